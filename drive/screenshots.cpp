#include "drive/screenshots.h"

#include <wincodec.h>

#include <cstdio>
#include <stdexcept>

#include "win32/base/com_ptr.h"

namespace qvl::drive {

namespace fs = std::filesystem;

namespace {

void check(HRESULT result, const char* what) {
    if (FAILED(result)) throw std::runtime_error(std::string("cannot save a picture: ") + what);
}

// A file name part of a window's title or role: letters and digits, the rest as '_'.
std::wstring fileNamePart(const std::string& name) {
    std::wstring part;
    for (char c : name) {
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
        part += plain ? static_cast<wchar_t>(c) : L'_';
    }
    return part;
}

}  // namespace

Screenshots::Screenshots(std::optional<fs::path> folder) : folder_(std::move(folder)) {
    if (folder_) fs::create_directories(*folder_);
}

void Screenshots::take(HWND window, const std::string& name) {
    if (!folder_ || !IsWindowVisible(window)) return;
    // Let the window finish painting before its picture is taken.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(150);
    RECT area{};
    GetWindowRect(window, &area);
    wchar_t number[8] = {};
    std::swprintf(number, 8, L"%03d-", ++taken_);
    savePng(area, *folder_ / (number + fileNamePart(name) + L".png"));
}

void savePng(const RECT& area, const fs::path& file) {
    int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    try {
        win32::ComPtr<IWICImagingFactory> factory;
        check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                               reinterpret_cast<void**>(factory.put())),
              "no imaging component");
        win32::ComPtr<IWICBitmap> picture;
        check(factory->CreateBitmapFromHBITMAP(bitmap, nullptr, WICBitmapIgnoreAlpha, picture.put()), "the bitmap");
        win32::ComPtr<IWICStream> stream;
        check(factory->CreateStream(stream.put()), "the stream");
        check(stream->InitializeFromFilename(file.c_str(), GENERIC_WRITE), file.string().c_str());
        win32::ComPtr<IWICBitmapEncoder> encoder;
        check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.put()), "the PNG encoder");
        check(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache), "the PNG encoder");
        win32::ComPtr<IWICBitmapFrameEncode> frame;
        check(encoder->CreateNewFrame(frame.put(), nullptr), "the frame");
        check(frame->Initialize(nullptr), "the frame");
        check(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height)), "the size");
        WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
        check(frame->SetPixelFormat(&format), "the pixel format");
        check(frame->WriteSource(picture.get(), nullptr), "the pixels");
        check(frame->Commit(), "the frame");
        check(encoder->Commit(), "the file");
    } catch (...) {
        DeleteObject(bitmap);
        throw;
    }
    DeleteObject(bitmap);
}

}  // namespace qvl::drive

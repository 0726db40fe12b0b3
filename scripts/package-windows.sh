#!/usr/bin/env bash
# Packs the Windows programs of the MinGW-w64 build into dist/Quorvel-<version>-win64.zip:
# Planwright.exe, Millsheet.exe, Orderloom.exe and INSTALL.txt. Builds them first when missing
# (scripts/build-windows.sh). The version is the project's, from CMakeLists.txt.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
build="${QVL_WINDOWS_BUILD:-$root/build-windows}"
programs=(Planwright Millsheet Orderloom)

if ! dpkg-query -W -f='${Status}' zip 2>/dev/null | grep -q "install ok installed"; then
  if [ "$(id -u)" -ne 0 ]; then echo "run as root, or install zip first" >&2; exit 1; fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends zip >/dev/null
fi

for program in "${programs[@]}"; do
  if [ ! -f "$build/programs/$program.exe" ]; then
    bash scripts/build-windows.sh
    break
  fi
done

version="$(sed -n 's/^project(Quorvel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
[ -n "$version" ] || { echo "no project version in CMakeLists.txt" >&2; exit 1; }
name="Quorvel-$version-win64"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/$name"
for program in "${programs[@]}"; do
  cp "$build/programs/$program.exe" "$stage/$name/"
done

# Windows line ends and a UTF-8 byte-order mark, for Notepad.
printf '\xef\xbb\xbf' >"$stage/$name/INSTALL.txt"
sed 's/$/\r/' >>"$stage/$name/INSTALL.txt" <<TEXT
Quorvel toolbox for CATIA V5, version $version (64-bit Windows)

Planwright.exe  drawings from CATPart and CATProduct models in batch
Millsheet.exe   machining process sheets from CATIA NC manufacturing processes
Orderloom.exe   sorts the children of a product in CATIA's product tree

Installing
- Give each program a folder of its own that you may write to, for example
  D:\\Quorvel\\Planwright\\Planwright.exe. Nothing else is installed: the programs need no
  runtime libraries, no registry entries and no administrator rights.
- CATIA V5 must be installed on the same computer. Start CATIA (or let the program start it)
  and open the document you want to work on before starting the program.

Templates (a folder "Template" beside the program)
- Planwright: Template\\DrwFrame_All.CATDrawing (first-angle projection) and
  Template\\DrwFrame_All_3rd.CATDrawing (third-angle projection).
- Millsheet:  Template\\CNCFrame_All.CATDrawing.
- Orderloom needs no template.
- The programs make their templates on first use: this zip holds none, as a CATDrawing file is
  CATIA's own. When Planwright's run (or Millsheet at its start with CATIA running, at its run
  or its notes buttons) finds no template, it asks "找不到模板文件: ... 是否现在在CATIA中生成默认模板？".
  Answer 是 (Yes): the program draws its default templates in your CATIA, saves them into the
  folder Template beside it (making the folder; a template that exists is never replaced) and
  tells you where. Answer 否 (No) to go on without: no drawing can then be made. When the
  folder cannot be written, the message names the files that could not be saved.
- A batch started from a command line (/batch, below) asks nothing: start Planwright once with
  its window to make the templates.
- Your own templates: open the made template in CATIA, change the frames, the title block and
  the notes on their detail sheets with CATIA's drafting tools, and save it under the same name.
  Keep the names that the programs look up:
    the detail sheets and their views: Planwright A0, A1, A2, A3, A4, Ax (a frame each, drawn
    with the paper's lower-left corner at the view's origin) and Notes_General,
    Notes_Injection, Notes_Stamping, Notes_Machining, Notes_Casting, Notes_Rubber,
    Notes_Forging, Notes_Cust (notes hanging left of and below the origin); Millsheet A4 (the
    frame), Notes1 and Notes2 (notes, the first text of each);
    the title-block texts, each kept "modifiable in 2D component instances": Planwright
    TitleName, TitlePN, TitleMaterial, TitleScale, TitleMass, TitleDesigner, TitleDrawner,
    TitleDate1, TitleDate2; Millsheet PartName1, PartNumber1, NCMade1, Date1, Material1, Size1,
    x0, y0, z0, FixMethod1, FilePath1, OP1, Machine1, Check1, Date2, Approval1, Date3,
    TecNotes1, DocNo1, DocRev1, ECNNo1;
    Millsheet's operations table ToolsList1: a row of the 14 column titles, a spare row and a
    footer row.
  A run whose template cannot be read, or lacks the frame it needs, the chosen notes block or a
  title-block text, names the file and the piece in its final message and counts as incomplete. Delete a template file to be offered a new one.

Settings
- Planwright and Millsheet keep their options in Conf1.ini beside the program, written when
  you press "设为默认". The file is in the Chinese code page GBK; keep the program folder
  writable so that the settings can be saved.

Stopping a Planwright run
- While a run is under way the window stays usable: its caption (and the taskbar button) shows
  how far the run has come, "自动投图 12/200 · Bracket", and the run button reads "停止投图".
  Pressing it, or closing the window, asks whether to stop once the model in hand is finished;
  the run then ends as a run ends, and the models not begun stay in the list.

Batches that nobody watches (Planwright from a command line)
  Planwright.exe /batch LIST [/mode 1|2|3] [/out DIR] [/name NAME] [/dwg] [/pdf] [/log FILE]
- Projects the models listed in LIST with the options saved by "设为默认", shows no window and
  no message (what would have been a message goes to the log) and waits for nobody. CATIA is
  attached, or started, as when the program starts. A command line without a switch (a model
  dropped on the program's icon) opens the window, as the icon does.
- LIST is a text file with one model path a line (UTF-8, with or without a byte-order mark, or
  GBK); blank lines and lines starting with # are skipped, a path may stand in double quotes, and
  a relative path is read from LIST's folder.
    /mode 1|2|3  1: all models on one sheet, 2: one drawing with a sheet per model, 3: a drawing
                 per model (default: the saved option)
    /out DIR     the output folder (default: LIST's folder); it must exist
    /name NAME   the drawing's name in modes 1 and 2 (default: the name the window offers)
    /dwg, /pdf   export each drawing as DWG, as PDF, beside it
    /log FILE    the log (default: LIST followed by .log), UTF-8 with a byte-order mark
- The exit status tells the outcome:
    0  every model was projected
    1  some models failed: the log names them (the run went on with the others)
    2  the batch could not run: bad arguments, no list or an empty one, no CATIA, no template,
       no output folder; the reason is in the log and on the console
- From a command prompt or a .bat file (Windows does not wait for a program with a window
  unless told to):
    start "" /wait D:\\Quorvel\\Planwright\\Planwright.exe /batch D:\\lists\\tonight.txt /out D:\\drawings /pdf
    echo %ERRORLEVEL%
- Task Scheduler: a task with the action "Start a program", the program Planwright.exe and
  the arguments "/batch D:\\lists\\tonight.txt /out D:\\drawings /pdf", set to "Run only when user
  is logged on" (CATIA needs the user's desktop). Its "Last Run Result" shows the exit status
  (0x0, 0x1, 0x2).
- A log (columns separated by tabs: time, model, result, files written, seconds):
    Planwright $version 无人值守投图
    开始: 2026/12/7 21:00:02
    命令行: /batch D:\\lists\\tonight.txt /out D:\\drawings /pdf
    列表: D:\\lists\\tonight.txt
    输出目录: D:\\drawings
    选项: 输出方式 3，第一视角，图纸幅面不超过 A0，每个实体作为零件 是，添加图框 是，添加长宽高 是，技术要求 Notes_General，导出dwg 否，导出pdf 是
    时间      数模                          结果      写入的文件                                                  秒
    21:00:02  D:\\models\\Bracket.CATPart     完成      D:\\drawings\\Bracket.CATDrawing; D:\\drawings\\Bracket_CATDrawing.pdf   14.31
    21:00:16  D:\\models\\Missing.CATPart     出现错误                                                              0.42
    消息: 操作完成，有 1 个文件出现了一点问题，请检查！
    结束 21:00:17: 共 2 个数模，1 个完成，1 个出现错误，0 个没有投图；用时 14.80 秒；退出状态 1
TEXT

mkdir -p dist
rm -f "dist/$name.zip"
(cd "$stage" && zip -q -r -X "$root/dist/$name.zip" "$name")
echo "wrote dist/$name.zip"

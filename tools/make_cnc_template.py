#!/usr/bin/env python3
"""Writes Millsheet's template drawing of the sample world.

samples/world/C/QVL/Template/CNCFrame_All.CATDrawing holds three detail sheets, each with one
view of its own name:

- A4: the frame of the machining sheet, an A4 landscape page with its reference point at the
  lower-left corner of the paper: trimmed and drawing borders, a header with the part and
  set-up data, a box for the technical notes, a footer with the sign-offs and the file path,
  and the operations table "ToolsList1" (a header row with the fourteen column titles, a spare
  row and a footer row) hanging from the header's lower-left corner. The header, notes box and
  footer carry the twenty-one named texts that the generator fills: PartName1, PartNumber1,
  NCMade1, Date1, Material1, Size1, x0, y0, z0, FixMethod1, FilePath1, OP1, Machine1, Check1,
  Date2, Approval1, Date3, TecNotes1, DocNo1, DocRev1 and ECNNo1.
- Notes1 and Notes2: a block of technical notes each, as the first text of its view, the lines
  separated by CR LF.

The part views of a machining sheet go into the free area right of the table: the front view
ends at (250, 180) below the header, the isometric view at (292, 25) above the footer.

Run it from anywhere: python3 tools/make_cnc_template.py
"""
from make_frame_templates import TEMPLATES, dump, line, rectangle, text

WIDTH, HEIGHT, MARGIN = 297, 210, 5
RIGHT, TOP = WIDTH - MARGIN, HEIGHT - MARGIN

HEADER_BOTTOM, HEADER_MIDDLE = 180, 192.5
TITLE_RIGHT = 55
PAIR, LABEL = 39.5, 15

FOOTER_TOP, FOOTER_MIDDLE = 19, 12
NOTES_RIGHT, NOTES_TOP = 100, 62

COLUMNS = [("序号", 8), ("程序名", 36), ("加工描述", 18), ("刀库名称", 26), ("刀号", 8), ("刀具名称", 30),
           ("直径/R角", 16), ("刃长/装刀长", 18), ("侧余量", 12), ("底余量", 12), ("加工类型", 14),
           ("主轴转速", 18), ("进给", 16), ("理论时间", 14)]

NOTES = {
    "Notes1": [
        "加工前核对毛坯尺寸及材料牌号，确认无误后方可装夹。",
        "工件装夹牢固，按工件零点找正，对刀后方可加工。",
        "未注倒角C0.5，锐边倒钝，去除毛刺。",
        "未注尺寸公差按GB/T 1804-m。",
        "首件须经检验合格后方可批量加工。",
    ],
    "Notes2": [
        "精加工前检查刀具磨损，刀具伸出长度按装刀长设定。",
        "加工表面不得有划伤、振纹及接刀痕。",
        "未注表面粗糙度Ra1.6，未注形位公差按GB/T 1184-K。",
        "加工中充分冷却，薄壁处分层铣削，防止变形。",
        "加工完毕清理切屑，工件防锈处理后转下道工序。",
    ],
}


def label(name, value, x, y):
    return text(name, value, x, y, size=2.5)


def value(name, x, y, size=3):
    return text(name, "-", x, y, size=size, modifiable=True)


def header():
    """Two rows of label and value pairs right of the sheet's title; the work zero's three
    coordinates share two pairs of the lower row."""
    lines = [line(MARGIN, HEADER_BOTTOM, RIGHT, HEADER_BOTTOM), line(TITLE_RIGHT, HEADER_MIDDLE, RIGHT, HEADER_MIDDLE),
             line(TITLE_RIGHT, HEADER_BOTTOM, TITLE_RIGHT, TOP)]
    texts = [text("Label.Title", "数控加工工艺卡", (MARGIN + TITLE_RIGHT) / 2, (HEADER_BOTTOM + TOP) / 2, size=5)]
    rows = {
        (HEADER_MIDDLE, TOP): [("零件名称", "PartName1"), ("零件编号", "PartNumber1"), ("材  料", "Material1"),
                               ("毛料尺寸", "Size1"), ("文件编号", "DocNo1"), ("文件版本", "DocRev1")],
        (HEADER_BOTTOM, HEADER_MIDDLE): [("设备名称", "Machine1"), ("加工工位", "OP1"), ("装夹方法", "FixMethod1"),
                                         ("工件零点", None), None, ("工程更改", "ECNNo1")],
    }
    count = 0
    for (bottom, top), pairs in rows.items():
        middle = (bottom + top) / 2
        for i, pair in enumerate(pairs):
            if pair is None:
                continue
            left = TITLE_RIGHT + i * PAIR
            count += 1
            caption, name = pair
            if i:
                lines.append(line(left, bottom, left, top))
            lines.append(line(left + LABEL, bottom, left + LABEL, top))
            texts.append(label(f"Label.Header{count}", caption, left + LABEL / 2, middle))
            if name is not None:
                texts.append(value(name, left + LABEL + (PAIR - LABEL) / 2, middle))
                continue
            # The work zero: X, Y and Z over the rest of this pair and the whole next one.
            width = (2 * PAIR - LABEL) / 3
            for k, (axis, zero) in enumerate((("X", "x0"), ("Y", "y0"), ("Z", "z0"))):
                x = left + LABEL + k * width
                if k:
                    lines.append(line(x, bottom, x, top))
                lines.append(line(x + 5, bottom, x + 5, top))
                texts.append(label(f"Label.Zero{axis}", axis, x + 2.5, middle))
                texts.append(value(zero, x + 5 + (width - 5) / 2, middle))
    return lines, texts


def notes_box():
    lines = [line(MARGIN, NOTES_TOP, NOTES_RIGHT, NOTES_TOP), line(NOTES_RIGHT, FOOTER_TOP, NOTES_RIGHT, NOTES_TOP)]
    texts = [text("Label.Notes", "技术要求", MARGIN + 2, NOTES_TOP - 3, size=3.5, anchor=1),
             text("TecNotes1", "-", MARGIN + 2, NOTES_TOP - 9, size=2.5, anchor=1, modifiable=True)]
    return lines, texts


def footer():
    """The sign-offs with their dates above, the process document's path below."""
    lines = [line(MARGIN, FOOTER_TOP, RIGHT, FOOTER_TOP), line(MARGIN, FOOTER_MIDDLE, RIGHT, FOOTER_MIDDLE)]
    texts = []
    signs = [("编程", "NCMade1"), ("日期", "Date1"), ("审核", "Check1"), ("日期", "Date2"), ("批准", "Approval1"),
             ("日期", "Date3")]
    pair = (RIGHT - MARGIN) / len(signs)
    middle = (FOOTER_MIDDLE + FOOTER_TOP) / 2
    for i, (caption, name) in enumerate(signs):
        left = MARGIN + i * pair
        if i:
            lines.append(line(left, FOOTER_MIDDLE, left, FOOTER_TOP))
        lines.append(line(left + 12, FOOTER_MIDDLE, left + 12, FOOTER_TOP))
        texts.append(label(f"Label.Sign{i + 1}", caption, left + 6, middle))
        texts.append(value(name, left + 12 + (pair - 12) / 2, middle))
    lines.append(line(MARGIN + 20, MARGIN, MARGIN + 20, FOOTER_MIDDLE))
    texts.append(label("Label.FilePath", "文件路径", MARGIN + 10, (MARGIN + FOOTER_MIDDLE) / 2))
    texts.append(text("FilePath1", "-", MARGIN + 22, (MARGIN + FOOTER_MIDDLE) / 2, size=2.5, anchor=2, modifiable=True))
    return lines, texts


def operations_table():
    return {"name": "ToolsList1", "x": MARGIN, "y": HEADER_BOTTOM,
            "cells": [[title for title, _ in COLUMNS], [""] * len(COLUMNS), [""] * len(COLUMNS)],
            "merges": [], "columnWidths": [width for _, width in COLUMNS], "rowHeights": [8, 7, 10]}


def frame_view():
    lines = rectangle(0, 0, WIDTH, HEIGHT) + rectangle(MARGIN, MARGIN, RIGHT, TOP)
    texts = []
    for part_lines, part_texts in (header(), notes_box(), footer()):
        lines += part_lines
        texts += part_texts
    return {"name": "A4", "viewType": 12, "x": 0, "y": 0, "scale": 1, "angle": 0,
            "lines": lines, "texts": texts, "tables": [operations_table()]}


def notes_view(name):
    block = "\r\n".join(f"{i}. {note}" for i, note in enumerate(NOTES[name], start=1))
    return {"name": name, "viewType": 12, "x": 0, "y": 0, "scale": 1, "angle": 0, "lines": [],
            "texts": [text("Text.1", block, 0, 0, size=3.5, anchor=1)]}


def detail_sheet(name, view, paper_size=2):
    return {"name": name, "detail": True, "paperSize": paper_size, "projectionMethod": 0, "scale": 1, "views": [view]}


def template():
    sheets = [detail_sheet("A4", frame_view(), paper_size=6)]
    sheets += [detail_sheet(name, notes_view(name)) for name in NOTES]
    return {"kind": "Drawing", "standard": 1, "sheets": sheets}


def main():
    TEMPLATES.mkdir(parents=True, exist_ok=True)
    (TEMPLATES / "CNCFrame_All.CATDrawing").write_text(dump(template()) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()

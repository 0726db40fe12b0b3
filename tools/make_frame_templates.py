#!/usr/bin/env python3
"""Writes Planwright's template drawings of the sample world.

samples/world/C/QVL/Template/DrwFrame_All.CATDrawing (first-angle projection) and
DrwFrame_All_3rd.CATDrawing (third-angle projection): a working sheet "Sheet.1" and fourteen
detail sheets, each holding one view of its own name:

- A0, A1, A2, A3, A4 and Ax: landscape frames drawn to size with their reference point at the
  lower-left corner of the paper: trimmed border, drawing border with a binding margin,
  centring marks, the projection-method symbol and a title block with the named texts
  TitleName, TitlePN, TitleMaterial, TitleScale, TitleMass, TitleDesigner, TitleDrawner,
  TitleDate1 and TitleDate2;
- Notes_General ... Notes_Cust: blocks of technical notes that hang to the left of and below
  their reference point.

Run it from anywhere: python3 tools/make_frame_templates.py
"""
import json
import math
from pathlib import Path

TEMPLATES = Path(__file__).resolve().parent.parent / "samples/world/C/QVL/Template"

# Landscape paper (width, height) and the border inside it (binding margin a, others c).
PAPERS = {
    "A0": (1189, 841, 10),
    "A1": (841, 594, 10),
    "A2": (594, 420, 10),
    "A3": (420, 297, 5),
    "A4": (297, 210, 5),
    "Ax": (1783.5, 841, 10),
}
BINDING = 25

NOTES = {
    "Notes_General": [
        "未注尺寸公差按GB/T 1804-m。",
        "未注形位公差按GB/T 1184-K。",
        "锐边倒钝，去除毛刺飞边。",
        "零件表面不得有划伤、碰伤等缺陷。",
        "未注倒角C0.5。",
    ],
    "Notes_Injection": [
        "材料及颜色按标题栏要求。",
        "未注拔模斜度1°，未注圆角R0.5。",
        "制品表面光洁，不得有缩痕、气泡、银纹、飞边。",
        "浇口位置不得影响外观及装配。",
        "未注尺寸公差按GB/T 14486-MT5。",
    ],
    "Notes_Stamping": [
        "未注折弯内圆角R等于料厚。",
        "冲裁毛刺高度不大于料厚的10%。",
        "零件表面平整，不得有裂纹、起皱。",
        "未注尺寸公差按GB/T 15055-m。",
        "表面处理：镀锌钝化。",
    ],
    "Notes_Machining": [
        "未注尺寸公差按GB/T 1804-m。",
        "未注形位公差按GB/T 1184-K。",
        "加工表面不得有磕碰、划伤及锈蚀。",
        "未注倒角C0.5，锐边倒钝。",
        "未注表面粗糙度Ra3.2。",
    ],
    "Notes_Casting": [
        "铸件不得有裂纹、冷隔、缩孔等缺陷。",
        "未注铸造圆角R3~R5。",
        "未注铸造斜度1°~3°。",
        "铸件尺寸公差按GB/T 6414-CT9。",
        "铸件须经时效处理消除内应力。",
    ],
    "Notes_Rubber": [
        "硬度邵氏A 60±5。",
        "表面光滑，不得有气泡、杂质、缺胶。",
        "飞边厚度不大于0.2。",
        "未注尺寸公差按GB/T 3672.1-M3。",
        "耐油、耐老化性能满足使用要求。",
    ],
    "Notes_Forging": [
        "锻件不得有裂纹、折叠、过烧等缺陷。",
        "未注锻造圆角R3。",
        "未注模锻斜度7°。",
        "锻件尺寸公差按GB/T 12362普通级。",
        "锻后正火处理，硬度HB170~220。",
    ],
    "Notes_Cust": [
        "按客户图纸及技术协议要求。",
        "首件须经检验合格后方可批量生产。",
        "包装须防锈、防磕碰。",
        "其他要求见技术协议。",
    ],
}


def num(value):
    value = round(value, 3)
    return int(value) if value == int(value) else value


def line(x1, y1, x2, y2):
    return [num(x1), num(y1), num(x2), num(y2)]


def rectangle(x1, y1, x2, y2):
    return [line(x1, y1, x2, y1), line(x2, y1, x2, y2), line(x2, y2, x1, y2), line(x1, y2, x1, y1)]


def text(name, value, x, y, size=3.5, anchor=5, modifiable=False):
    """A text; a modifiable one is handed out for editing by the detail's instances."""
    made = {"name": name, "text": value, "x": num(x), "y": num(y), "anchorPoint": anchor,
            "justification": 2 if anchor in (4, 5, 6) else 1, "fontSize": size}
    if modifiable:
        made["modifiable"] = True
    return made


def circle(cx, cy, r, segments=24):
    points = [(cx + r * math.cos(2 * math.pi * i / segments), cy + r * math.sin(2 * math.pi * i / segments))
              for i in range(segments + 1)]
    return [line(*points[i], *points[i + 1]) for i in range(segments)]


def projection_symbol(x, y, third_angle):
    """The truncated-cone symbol in a 26 x 12 box with its lower-left corner at (x, y): the
    cone's side view and its end view, the end view right of it for first angle, left for
    third angle."""
    side_x, end_x = (x + 15, x + 6) if third_angle else (x + 2, x + 20)
    cy = y + 6
    lines = [line(side_x, cy - 2.5, side_x + 9, cy - 5), line(side_x + 9, cy - 5, side_x + 9, cy + 5),
             line(side_x + 9, cy + 5, side_x, cy + 2.5), line(side_x, cy + 2.5, side_x, cy - 2.5)]
    return lines + circle(end_x, cy, 5) + circle(end_x, cy, 2.5)


def title_block(right, bottom, third_angle):
    """A 180 x 56 title block with its lower-right corner at (right, bottom)."""
    x0, y0 = right - 180, bottom
    lines = rectangle(x0, y0, right, y0 + 56)
    for k in (1, 2, 3):
        lines.append(line(x0, y0 + 14 * k, x0 + 100, y0 + 14 * k))
    lines.append(line(x0 + 100, y0 + 28, right, y0 + 28))
    for dx in (15, 45, 57):
        lines.append(line(x0 + dx, y0 + 14, x0 + dx, y0 + 56))
    lines.append(line(x0 + 15, y0, x0 + 15, y0 + 14))
    lines.append(line(x0 + 100, y0, x0 + 100, y0 + 56))
    lines.append(line(x0 + 115, y0, x0 + 115, y0 + 56))

    def middle(col0, col1, row0, row1):
        return x0 + (col0 + col1) / 2, y0 + (row0 + row1) / 2

    texts = []
    cells = [
        ("设计", "TitleDesigner", "-", 42, 56, (0, 15), (15, 45)),
        ("日期", "TitleDate1", "-", 42, 56, (45, 57), (57, 100)),
        ("绘图", "TitleDrawner", "-", 28, 42, (0, 15), (15, 45)),
        ("日期", "TitleDate2", "-", 28, 42, (45, 57), (57, 100)),
        ("比例", "TitleScale", "1 : 1", 14, 28, (0, 15), (15, 45)),
        ("质量", "TitleMass", "-", 14, 28, (45, 57), (57, 100)),
        ("材料", "TitleMaterial", "-", 0, 14, (0, 15), (15, 100)),
        ("名称", "TitleName", "-", 28, 56, (100, 115), (115, 180)),
        ("图号", "TitlePN", "-", 0, 28, (100, 115), (115, 180)),
    ]
    for n, (label, name, value, row0, row1, label_cols, value_cols) in enumerate(cells, start=1):
        texts.append(text(f"Label.{n}", label, *middle(*label_cols, row0, row1)))
        big = name in ("TitleName", "TitlePN")
        texts.append(text(name, value, *middle(*value_cols, row0, row1), size=5 if big else 3.5, modifiable=True))
    lines += rectangle(right - 30, y0 + 56, right, y0 + 70)
    lines += projection_symbol(right - 28, y0 + 57, third_angle)
    texts.append(text("Label.Projection", "第三角投影" if third_angle else "第一角投影", right - 31, y0 + 63,
                      size=2.5, anchor=8))
    return lines, texts


def frame_view(code, third_angle):
    width, height, c = PAPERS[code]
    lines = rectangle(0, 0, width, height)
    left, bottom, right, top = BINDING, c, width - c, height - c
    lines += rectangle(left, bottom, right, top)
    # Centring marks on the middle of each side, from the trimmed border 5 mm into the drawing area.
    lines += [line(width / 2, 0, width / 2, bottom + 5), line(width / 2, height, width / 2, top - 5),
              line(0, height / 2, left + 5, height / 2), line(width, height / 2, right - 5, height / 2)]
    block_lines, block_texts = title_block(right, bottom, third_angle)
    return {"name": code, "viewType": 12, "x": 0, "y": 0, "scale": 1, "angle": 0,
            "lines": lines + block_lines, "texts": block_texts}


def notes_view(code):
    texts = [text("NotesTitle", "技术要求", -120, 0, size=5, anchor=1)]
    for i, note in enumerate(NOTES[code], start=1):
        texts.append(text(f"Note{i}", f"{i}. {note}", -120, -4 - 6 * i, anchor=1))
    return {"name": code, "viewType": 12, "x": 0, "y": 0, "scale": 1, "angle": 0, "lines": [], "texts": texts}


def detail_sheet(name, view, projection_method):
    return {"name": name, "detail": True, "paperSize": 2, "projectionMethod": projection_method, "scale": 1,
            "views": [view]}


def template(third_angle):
    method = 1 if third_angle else 0
    working = {"name": "Sheet.1", "detail": False, "paperSize": 2, "projectionMethod": method, "scale": 1,
               "views": [{"name": "Main View", "viewType": 13, "x": 0, "y": 0, "scale": 1, "angle": 0},
                         {"name": "Background View", "viewType": 0, "x": 0, "y": 0, "scale": 1, "angle": 0}]}
    sheets = [working]
    sheets += [detail_sheet(code, frame_view(code, third_angle), method) for code in PAPERS]
    sheets += [detail_sheet(code, notes_view(code), method) for code in NOTES]
    return {"kind": "Drawing", "standard": 1, "sheets": sheets}


def dump(value, indent=0):
    """JSON with one line per line, text or view header, so that changes read well in a diff."""
    def scalar(v):
        return not isinstance(v, (list, dict))

    def flat(v):
        if isinstance(v, list):
            return all(scalar(i) or (isinstance(i, list) and all(scalar(j) for j in i)) for i in v) and len(v) <= 4
        if isinstance(v, dict):
            return all(scalar(i) for i in v.values())
        return True

    pad = " " * (indent + 1)
    if flat(value):
        return json.dumps(value, ensure_ascii=False, separators=(", ", ": "))
    if isinstance(value, list):
        return "[\n" + ",\n".join(pad + dump(v, indent + 1) for v in value) + "\n" + " " * indent + "]"
    items = [pad + json.dumps(k, ensure_ascii=False) + ": " + dump(v, indent + 1) for k, v in value.items()]
    return "{\n" + ",\n".join(items) + "\n" + " " * indent + "}"


def main():
    TEMPLATES.mkdir(parents=True, exist_ok=True)
    for name, third_angle in (("DrwFrame_All.CATDrawing", False), ("DrwFrame_All_3rd.CATDrawing", True)):
        text_ = dump(template(third_angle)) + "\n"
        (TEMPLATES / name).write_text(text_, encoding="utf-8")


if __name__ == "__main__":
    main()

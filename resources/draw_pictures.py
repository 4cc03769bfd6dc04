#!/usr/bin/env python3
"""Draws the program's pictures into resources/pictures, lists them in
resources/pictures.qrc and draws the program icon resources/install/brivanta.svg. Run it again after changing a drawing:

    python3 resources/draw_pictures.py

Every picture is built from a few shared parts (the salon's colours, the
command pill, the round icon, the lotus emblem), so that they stay one family.
Glyphs are drawn on a 24 x 24 grid with round strokes.
"""
import os
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, 'pictures')

PLUM = '#5B1E4E'
PLUM_LIGHT = '#9A4487'
ROSE = '#E9A6BB'
ROSE_LIGHT = '#F6D3DE'
BLUSH = '#FBEEF2'
GOLD = '#C9A24B'
GOLD_LIGHT = '#E8CF8E'
INK = '#4A1740'
BORDER = '#E3B5C3'
SANS = 'DejaVu Sans'
SERIF = 'DejaVu Serif'

# --- glyphs (24 x 24, stroked) -------------------------------------------
DOC = 'M6 3h8l4 4v14H6z M14 3v4h4'
CAL = 'M4 6h16v14H4z M4 10h16 M8 3v5 M16 3v5'
GLYPHS = {
    'nuovo': DOC + ' M12 11v6 M9 14h6',
    'duplica': 'M9 8h11v13H9z M5 16V3h11',
    'allegati': 'M17 8.5 10 15.5a2.1 2.1 0 0 1-3-3l7.5-7.5a3.5 3.5 0 0 1 5 5L12 17.5a5 5 0 0 1-7-7L11.5 4',
    'salva': 'M5 3h11l3 3v15H5z M8 3v5h7V3 M8 21v-7h8v7',
    'trova': 'M10 4a6 6 0 1 0 0 12a6 6 0 1 0 0-12z M14.5 14.5 20 20',
    'anteprima': 'M2 12s4-7 10-7 10 7 10 7-4 7-10 7S2 12 2 12z M12 9a3 3 0 1 0 0 6a3 3 0 1 0 0-6z',
    'stampa': 'M7 9V3h10v6 M7 17H4v-8h16v8h-3 M7 14h10v7H7z',
    'pdf': DOC + ' M9 12h6 M9 15h6 M9 18h4',
    'ricontatta': 'M5 4h4l2 5-2.5 1.5a11 11 0 0 0 5 5L15 13l5 2v4a2 2 0 0 1-2 2A16 16 0 0 1 3 6a2 2 0 0 1 2-2',
    'esporta': DOC + ' M9 14h7 M13 11l3 3-3 3',
    'guida': 'M12 3a9 9 0 1 0 0 18a9 9 0 1 0 0-18z M9.5 9.5a2.5 2.5 0 1 1 3.5 2.3c-.6.3-1 .9-1 1.6v.6 M12 17v.1',
    'esci': 'M10 4H5v16h5 M14 8l4 4-4 4 M18 12H9',
    'info': 'M12 11v6 M12 7v.1',
    'assolti': CAL + ' M8.5 15l2.5 2.5 4.5-4.5',
    'confermati': 'M7 3h10 M7 21h10 M8 3c0 5 8 5 8 9s-8 4-8 9 M16 3c0 5-8 5-8 9s8 4 8 9',
    'scaduti': CAL + ' M9.5 13.5l5 5 M14.5 13.5l-5 5',
    'trattamenti': 'M10 3h4v3h-4z M9 6h6l1.5 3v11a1 1 0 0 1-1 1h-7a1 1 0 0 1-1-1V9z M7.5 12h9',
    'giorno': CAL + ' M10.5 13h3v3h-3z',
    'mese': CAL + ' M8 13v.1 M12 13v.1 M16 13v.1 M8 16.5v.1 M12 16.5v.1 M16 16.5v.1',
    'archivio': CAL + ' M12 12v6 M9 15h6',
    'imminenti': 'M6 16v-5a6 6 0 0 1 12 0v5l2 2H4z M10 20.5a2 2 0 0 0 4 0',
    'primo': 'M17 6l-6 6 6 6 M7 6v12',
    'precedente': 'M15 6l-6 6 6 6',
    'successivo': 'M9 6l6 6-6 6',
    'ultimo': 'M7 6l6 6-6 6 M17 6v12',
    'freccia': 'M5 12h14 M13 6l6 6-6 6',
    'email': 'M3 6h18v12H3z M3 7l9 6 9-6',
    'controlla': 'M5 12.5l4.5 4.5L19 7.5',
    'ok': 'M5 12.5l4.5 4.5L19 7.5',
    'calendario': CAL,
    'orologio': 'M12 3a9 9 0 1 0 0 18a9 9 0 1 0 0-18z M12 7v5l3.5 2',
    'gomma': 'M14 4l6 6-9 9H6l-3-3z M8.5 9.5l6 6 M11 19h9',
    'cartella': 'M3 6h6l2 2h10v11H3z',
    'apri': 'M3 19V6h6l2 2h8v3 M3 19l3-8h16l-3 8z',
    'importa': 'M12 3v11 M8 10l4 4 4-4 M4 15v5h16v-5',
    'cliente': 'M12 4a4 4 0 1 0 0 8a4 4 0 1 0 0-8z M4.5 21a7.5 7.5 0 0 1 15 0',
    'annulla': 'M9 14 4 9l5-5 M4 9h10a6 6 0 0 1 0 12h-3',
    'chiudi': 'M6 6l12 12 M18 6 6 18',
    'aggiungi': 'M12 5v14 M5 12h14',
    'modifica': 'M4 20h4L19 9l-4-4L4 16z M13.5 6.5l4 4',
    'applica': 'M4 4h16v16H4z M8 12l3 3 5-6',
    'globo': 'M12 3a9 9 0 1 0 0 18a9 9 0 1 0 0-18z M12 3c-3 3-3 15 0 18 M12 3c3 3 3 15 0 18 M3 12h18 M4.5 7.5h15 M4.5 16.5h15',
    'manuale': 'M5 4.5A1.5 1.5 0 0 1 6.5 3H19v15H6.5A1.5 1.5 0 0 0 5 19.5z M5 19.5A1.5 1.5 0 0 0 6.5 21H19v-3 M9 7h6 M9 10h6',
}


def glyph(name, x, y, scale, colour='#FFFFFF', width=2.1):
    return (f'<g transform="translate({x:g},{y:g}) scale({scale:g})" fill="none" stroke="{colour}" '
            f'stroke-width="{width:g}" stroke-linecap="round" stroke-linejoin="round"><path d="{GLYPHS[name]}"/></g>')


def gradient(ident, top, bottom, horizontal=False):
    x2, y2 = ('1', '0') if horizontal else ('0', '1')
    return (f'<linearGradient id="{ident}" x1="0" y1="0" x2="{x2}" y2="{y2}">'
            f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/></linearGradient>')


def svg(width, height, body, defs=''):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{width}" height="{height}" viewBox="0 0 {width} {height}">\n'
            f'<defs>{defs}</defs>\n{body}\n</svg>\n')


def text(x, y, content, size, colour, family=SANS, weight='bold', anchor='start', style='normal'):
    return (f'<text x="{x:g}" y="{y:g}" font-family="{family}" font-size="{size:g}" font-weight="{weight}" '
            f'font-style="{style}" fill="{colour}" text-anchor="{anchor}">{escape(content)}</text>')


def fitted_size(caption, room, largest, em=0.66):
    """The largest font size up to largest at which caption fits in room."""
    return min(largest, room / (em * max(1, len(caption))))


# --- command pictures: a light pill with a round plum badge and the caption --
def pill(name, caption, width=148, height=32):
    r = height / 2
    badge = r - 3.5
    size = fitted_size(caption, width - height - 8, 12.5)
    scale = badge * 1.2 / 24
    offset = r - 12 * scale
    body = (f'<rect x="0.75" y="0.75" width="{width - 1.5:g}" height="{height - 1.5:g}" rx="{r - 0.75:g}" '
            f'fill="url(#face)" stroke="{BORDER}" stroke-width="1.5"/>'
            f'<circle cx="{r:g}" cy="{r:g}" r="{badge:g}" fill="url(#badge)" stroke="{GOLD_LIGHT}" stroke-width="1"/>'
            + glyph(name, offset, offset, scale)
            + text(height + 2, r + size * 0.36, caption, size, INK))
    defs = gradient('face', '#FFFFFF', '#F8E1E9') + gradient('badge', PLUM_LIGHT, PLUM)
    return svg(width, height, body, defs)


# --- wide buttons: a plum pill with a gold badge and a white caption -------
def banner(name, caption, width, height):
    r = height / 2
    badge = r - 5
    size = fitted_size(caption, width - height - 14, height * 0.36, em=0.7)
    scale = badge * 1.25 / 24
    offset = r - 12 * scale
    body = (f'<rect x="1" y="1" width="{width - 2:g}" height="{height - 2:g}" rx="{r - 1:g}" fill="url(#face)" '
            f'stroke="{GOLD}" stroke-width="1.5"/>'
            f'<rect x="6" y="3.5" width="{width - 12:g}" height="{height * 0.42:g}" rx="{height * 0.21:g}" '
            f'fill="#FFFFFF" fill-opacity="0.10"/>'
            f'<circle cx="{r:g}" cy="{r:g}" r="{badge:g}" fill="url(#badge)"/>'
            + glyph(name, offset, offset, scale, PLUM, 2.3)
            + text(height + 4, r + size * 0.36, caption, size, '#FFFFFF'))
    defs = gradient('face', PLUM_LIGHT, PLUM) + gradient('badge', '#F3DFA6', GOLD)
    return svg(width, height, body, defs)


# --- round icons ----------------------------------------------------------
def icon(name, top=PLUM_LIGHT, bottom=PLUM, ring=GOLD_LIGHT, mark='#FFFFFF'):
    body = (f'<circle cx="24" cy="24" r="22.5" fill="url(#disc)" stroke="{ring}" stroke-width="1.5"/>'
            f'<path d="M6.5 20a17.5 12 0 0 1 35 0c-6-3-29-3-35 0z" fill="#FFFFFF" fill-opacity="0.16"/>'
            + glyph(name, 10.2, 10.2, 1.15, mark, 2.2))
    return svg(48, 48, body, gradient('disc', top, bottom))


def whatsapp():
    body = ('<circle cx="24" cy="24" r="22.5" fill="url(#disc)" stroke="#FFFFFF" stroke-width="1.5"/>'
            '<path d="M24 10.5a13.5 13.5 0 0 0-11.6 20.4L10.5 37.5l6.8-1.8A13.5 13.5 0 1 0 24 10.5z" '
            'fill="none" stroke="#FFFFFF" stroke-width="2.6" stroke-linejoin="round"/>'
            '<path d="M18.6 17.6c.5-.9 1.3-1 1.9-.9l1.5 3.3c.2.5 0 1-.4 1.4l-.9.9c1 2.1 2.7 3.8 4.8 4.8l.9-.9'
            'c.4-.4.9-.6 1.4-.4l3.3 1.5c.1.6 0 1.4-.9 1.9c-1.6 1.1-4 .9-6.6-.8c-2.3-1.5-4.1-3.6-5.3-5.9'
            'c-1-2-1-3.8.3-4.9z" fill="#FFFFFF"/>')
    return svg(48, 48, body, gradient('disc', '#4BE07F', '#1DA851'))


def spreadsheet():
    body = ('<rect x="3" y="3" width="42" height="42" rx="9" fill="url(#disc)" stroke="#E8F5EC" stroke-width="1.5"/>'
            '<rect x="11" y="10" width="26" height="28" rx="2.5" fill="#FFFFFF"/>'
            '<path d="M11 17h26 M11 24h26 M11 31h26 M20 10v28 M28.5 10v28" stroke="#1E7B4A" stroke-width="1.6"/>'
            '<rect x="11" y="10" width="26" height="7" rx="2.5" fill="#2E9E62"/>')
    return svg(48, 48, body, gradient('disc', '#34B06E', '#166B3E'))


# --- the lotus emblem ------------------------------------------------------
def emblem(cx, cy, s, petal_top=ROSE, petal_bottom=PLUM_LIGHT, centre=GOLD):
    parts = []
    for angle, opacity in ((-64, 0.55), (64, 0.55), (-32, 0.8), (32, 0.8), (0, 1.0)):
        parts.append(f'<ellipse cx="{cx:g}" cy="{cy - 15 * s:g}" rx="{6.8 * s:g}" ry="{15.5 * s:g}" '
                     f'transform="rotate({angle} {cx:g} {cy:g})" fill="url(#petal)" fill-opacity="{opacity}"/>')
    parts.append(f'<path d="M{cx - 22 * s:g} {cy + 4 * s:g}q{22 * s:g} {12 * s:g} {44 * s:g} 0" fill="none" '
                 f'stroke="{GOLD}" stroke-width="{2.2 * s:g}" stroke-linecap="round"/>')
    parts.append(f'<circle cx="{cx:g}" cy="{cy - 2 * s:g}" r="{3.6 * s:g}" fill="{centre}"/>')
    return ''.join(parts), gradient('petal', petal_top, petal_bottom)


def sparkle(x, y, s, colour=GOLD):
    return (f'<path d="M{x:g} {y - 8 * s:g}q{1.4 * s:g} {6.6 * s:g} {8 * s:g} {8 * s:g}q{-6.6 * s:g} {1.4 * s:g} '
            f'{-8 * s:g} {8 * s:g}q{-1.4 * s:g} {-6.6 * s:g} {-8 * s:g} {-8 * s:g}q{6.6 * s:g} {-1.4 * s:g} '
            f'{8 * s:g} {-8 * s:g}z" fill="{colour}"/>')


def logo():
    mark, defs = emblem(44, 52, 1.25)
    body = (mark + text(86, 52, 'Brivanta', 40, PLUM, SERIF, 'bold', style='italic')
            + f'<path d="M88 62h190" stroke="{GOLD_LIGHT}" stroke-width="1.2"/>'
            + text(88, 78, 'SOFTWARE PER CENTRI ESTETICI', 10.5, GOLD, SANS, 'bold'))
    return svg(300, 90, body, defs)


def title():
    mark, defs = emblem(70, 52, 1.35)
    body = mark + text(118, 60, 'Brivanta', 54, PLUM, SERIF, 'bold', style='italic') + sparkle(376, 24, 0.9)
    return svg(400, 80, body, defs)


def subtitle():
    caption = 'Il gestionale per centri estetici e saloni di bellezza'
    body = (f'<path d="M8 15h60 M482 15h60" stroke="{GOLD_LIGHT}" stroke-width="1.5"/>'
            f'<circle cx="72" cy="15" r="2.5" fill="{GOLD}"/><circle cx="478" cy="15" r="2.5" fill="{GOLD}"/>'
            + text(275, 20, caption, 14.5, '#8A5A7E', SANS, 'normal', 'middle'))
    return svg(550, 30, body)


def app_card(inner, defs=''):
    body = (f'<rect x="2" y="2" width="396" height="316" rx="26" fill="url(#card)" stroke="#EBC2D0" '
            f'stroke-width="2"/><circle cx="200" cy="160" r="118" fill="{ROSE_LIGHT}" fill-opacity="0.75"/>'
            f'<circle cx="200" cy="160" r="92" fill="#FFFFFF" fill-opacity="0.5"/>' + inner)
    return svg(400, 320, body, gradient('card', '#FFFFFF', '#FBE3EB') + gradient('band', PLUM_LIGHT, PLUM) + defs)


def app_clients():
    inner = (
        # the client card
        '<rect x="92" y="78" width="216" height="158" rx="16" fill="#FFFFFF" stroke="#E3B5C3" stroke-width="2"/>'
        '<path d="M92 108v-14a16 16 0 0 1 16-16h184a16 16 0 0 1 16 16v14z" fill="url(#band)"/>'
        '<circle cx="112" cy="93" r="4" fill="#F3DFA6"/><circle cx="126" cy="93" r="4" fill="#FFFFFF" fill-opacity=".6"/>'
        f'<circle cx="146" cy="162" r="30" fill="{ROSE}"/>'
        '<circle cx="146" cy="153" r="11" fill="#FFFFFF"/>'
        '<path d="M125 184a21 16 0 0 1 42 0z" fill="#FFFFFF"/>'
        f'<rect x="190" y="132" width="96" height="9" rx="4.5" fill="{GOLD_LIGHT}"/>'
        '<rect x="190" y="150" width="80" height="8" rx="4" fill="#F0DCE3"/>'
        '<rect x="190" y="166" width="90" height="8" rx="4" fill="#F0DCE3"/>'
        '<rect x="190" y="182" width="60" height="8" rx="4" fill="#F0DCE3"/>'
        '<rect x="114" y="208" width="172" height="12" rx="6" fill="#F8E8EE"/>'
        # nail polish and a comb beside it
        f'<rect x="300" y="196" width="40" height="54" rx="11" fill="url(#band)"/>'
        '<rect x="308" y="202" width="8" height="30" rx="4" fill="#FFFFFF" fill-opacity=".22"/>'
        f'<rect x="309" y="168" width="22" height="30" rx="4" fill="{GOLD}"/>'
        f'<rect x="56" y="212" width="58" height="16" rx="5" fill="{GOLD_LIGHT}"/>'
        + ''.join(f'<rect x="{60 + 7 * i}" y="226" width="3.5" height="16" rx="1.5" fill="{GOLD_LIGHT}"/>'
                  for i in range(8))
        + sparkle(84, 92, 1.1) + sparkle(326, 92, 0.8) + sparkle(350, 150, 0.55, ROSE))
    return app_card(inner)


def app_agenda():
    cells = []
    for row in range(4):
        for col in range(5):
            x, y = 112 + col * 36, 128 + row * 26
            if (row, col) == (1, 2):
                cells.append(f'<rect x="{x}" y="{y}" width="28" height="19" rx="5" fill="url(#band)"/>'
                             f'<path d="M{x + 8} {y + 10}l4 4 7-8" fill="none" stroke="#FFFFFF" stroke-width="2.4" '
                             'stroke-linecap="round" stroke-linejoin="round"/>')
            else:
                fill = '#F8E1E9' if (row + col) % 2 else '#FBEEF2'
                cells.append(f'<rect x="{x}" y="{y}" width="28" height="19" rx="5" fill="{fill}"/>')
    inner = (
        '<rect x="96" y="74" width="208" height="172" rx="16" fill="#FFFFFF" stroke="#E3B5C3" stroke-width="2"/>'
        '<path d="M96 116v-26a16 16 0 0 1 16-16h176a16 16 0 0 1 16 16v26z" fill="url(#band)"/>'
        + ''.join(f'<rect x="{x}" y="62" width="9" height="26" rx="4.5" fill="{GOLD}"/>' for x in (136, 256))
        + text(200, 104, 'AGENDA', 17, '#FFFFFF', SANS, 'bold', 'middle') + ''.join(cells)
        # the clock
        + f'<circle cx="306" cy="226" r="40" fill="#FFFFFF" stroke="{PLUM}" stroke-width="6"/>'
        + f'<circle cx="306" cy="226" r="30" fill="{BLUSH}"/>'
        + f'<path d="M306 204v22l15 9" fill="none" stroke="{PLUM}" stroke-width="5" stroke-linecap="round"/>'
        + f'<circle cx="306" cy="226" r="4" fill="{GOLD}"/>'
        + sparkle(78, 100, 1.1) + sparkle(330, 96, 0.75) + sparkle(74, 220, 0.6, ROSE))
    return app_card(inner)


def app_caption(caption):
    body = (f'<rect x="1.5" y="1.5" width="357" height="53" rx="26.5" fill="url(#face)" stroke="{GOLD}" '
            f'stroke-width="2"/><rect x="10" y="5" width="340" height="21" rx="10.5" fill="#FFFFFF" '
            f'fill-opacity="0.12"/>' + text(180, 35, caption, 19, '#FFFFFF', SANS, 'bold', 'middle'))
    return svg(360, 56, body, gradient('face', PLUM_LIGHT, PLUM))


def maker_mark():
    body = (f'<rect x="1" y="1" width="208" height="62" rx="14" fill="#FFFFFF" fill-opacity="0.85" '
            f'stroke="{BORDER}" stroke-width="1.5"/>'
            f'<circle cx="32" cy="32" r="21" fill="url(#disc)" stroke="{GOLD}" stroke-width="2"/>'
            + text(32, 39, 'BS', 18, '#FFFFFF', SERIF, 'bold', 'middle', 'italic')
            + text(62, 26, 'realizzato da', 10, '#8A5A7E', SANS, 'normal')
            + text(62, 45, 'Brivanta Software', 12.5, PLUM, SANS, 'bold'))
    return svg(210, 64, body, gradient('disc', PLUM_LIGHT, PLUM))


def site():
    return pill('globo', 'Visita il sito web', 250, 44)


def cover():
    mark, defs = emblem(300, 132, 3.1, '#FFFFFF', ROSE, GOLD_LIGHT)
    body = (f'<rect width="600" height="340" fill="url(#sky)"/>'
            f'<circle cx="300" cy="112" r="92" fill="#FFFFFF" fill-opacity="0.07"/>'
            f'<circle cx="300" cy="112" r="66" fill="#FFFFFF" fill-opacity="0.07"/>' + mark
            + text(300, 236, 'Brivanta', 60, '#FFFFFF', SERIF, 'bold', 'middle', 'italic')
            + text(300, 268, 'CLIENTI · TRATTAMENTI · APPUNTAMENTI', 13, GOLD_LIGHT, SANS, 'bold', 'middle')
            + f'<path d="M0 300q150-34 300 0t300 0v40H0z" fill="{BLUSH}"/>'
            + f'<path d="M0 314q150-30 300 0t300 0" fill="none" stroke="{GOLD_LIGHT}" stroke-width="1.5"/>'
            + sparkle(90, 70, 1.3, GOLD_LIGHT) + sparkle(520, 96, 1.0, GOLD_LIGHT) + sparkle(470, 40, 0.6, ROSE)
            + sparkle(140, 180, 0.6, ROSE))
    return svg(600, 340, body, defs + gradient('sky', PLUM, '#B0587F'))


def program_icon():
    mark, defs = emblem(128, 150, 4.2, '#FFFFFF', ROSE, GOLD_LIGHT)
    body = (f'<rect x="8" y="8" width="240" height="240" rx="54" fill="url(#disc)" stroke="{GOLD}" '
            f'stroke-width="6"/>' + mark)
    return svg(256, 256, body, defs + gradient('disc', PLUM_LIGHT, PLUM))


# --- the agenda: speech bubbles and illustrations --------------------------
def bubble(caption, top, bottom, ink):
    body = ('<path d="M22 4h276a18 18 0 0 1 18 18v46a18 18 0 0 1-18 18H92l-30 22 6-22H22a18 18 0 0 1-18-18V22'
            f'a18 18 0 0 1 18-18z" fill="url(#face)" stroke="{ink}" stroke-opacity="0.35" stroke-width="2"/>'
            + text(160, 53, caption, fitted_size(caption, 280, 20, 0.64), ink, SANS, 'bold', 'middle'))
    return svg(320, 112, body, gradient('face', top, bottom))


def agenda_picture(busy):
    cal = ('<rect x="30" y="50" width="150" height="130" rx="14" fill="#FFFFFF" stroke="#E3B5C3" stroke-width="2"/>'
           '<path d="M30 84v-20a14 14 0 0 1 14-14h122a14 14 0 0 1 14 14v20z" fill="url(#band)"/>'
           + ''.join(f'<rect x="{x}" y="40" width="8" height="22" rx="4" fill="{GOLD}"/>' for x in (62, 140))
           + ''.join(f'<rect x="{44 + c * 32}" y="{96 + r * 26}" width="24" height="18" rx="5" fill="#FBEEF2"/>'
                     for r in range(3) for c in range(4)))
    if busy:
        extra = (f'<rect x="108" y="122" width="24" height="18" rx="5" fill="url(#band)"/>'
                 f'<g transform="translate(150 96)"><circle cx="28" cy="30" r="28" fill="{GOLD}"/>'
                 '<path d="M16 38v-10a12 12 0 0 1 24 0v10l4 4H12z M24 46a4 4 0 0 0 8 0" fill="#FFFFFF"/>'
                 '<path d="M8 14q-6 8-4 18 M48 14q6 8 4 18" fill="none" stroke="#FFFFFF" stroke-width="3" '
                 'stroke-linecap="round"/></g>' + sparkle(30, 30, 0.9) + sparkle(200, 60, 0.7, ROSE))
    else:
        extra = (f'<g transform="translate(150 106)"><circle cx="26" cy="26" r="26" fill="#8DBF9A"/>'
                 '<path d="M14 27l8 8 16-16" fill="none" stroke="#FFFFFF" stroke-width="5" stroke-linecap="round" '
                 'stroke-linejoin="round"/></g>'
                 '<path d="M40 176q10-30 34-38q-4 26-34 38z" fill="#B8D8BE"/>')
    return svg(220, 200, cal + extra, gradient('band', PLUM_LIGHT, PLUM))


def pictures():
    commands = {
        'nuovo': 'Nuovo', 'duplica': 'Duplica', 'allegati': 'Allega file', 'salva': 'Salva', 'trova': 'Trova',
        'anteprima': 'Anteprima', 'stampa': 'Stampa', 'pdf': 'Crea PDF', 'ricontatta': 'Da ricontattare',
        'esporta': 'Esporta archivio', 'guida': 'Guida', 'esci': 'Esci', 'assolti': 'Assolti',
        'confermati': 'Da assolvere', 'scaduti': 'Scaduti', 'informazioni': 'Informazioni',
    }
    found = {name: pill('info' if name == 'informazioni' else name, caption) for name, caption in commands.items()}
    found['trattamenti'] = banner('trattamenti', 'TRATTAMENTI', 197, 40)
    found['giorno'] = banner('giorno', 'APPUNTAMENTI DEL GIORNO', 280, 44)
    found['mese'] = banner('mese', 'APPUNTAMENTI DEL MESE', 280, 44)
    found['archivio'] = banner('archivio', 'INSERISCI APPUNTAMENTI', 280, 44)
    for name in ('primo', 'precedente', 'successivo', 'ultimo', 'freccia', 'email', 'ok', 'calendario', 'orologio',
                 'gomma', 'cartella', 'apri', 'importa', 'cliente', 'annulla', 'chiudi', 'aggiungi', 'modifica',
                 'applica', 'globo', 'info', 'manuale', 'imminenti'):
        found[name] = icon(name)
    found['controlla'] = icon('controlla', '#E3C77A', GOLD, '#FFFFFF')
    # The grid screens' help and exit commands are round icons beside the spreadsheet one.
    found['icona_guida'] = icon('guida')
    found['icona_esci'] = icon('esci')
    found['whatsapp'] = whatsapp()
    found['excel'] = spreadsheet()
    found['logo'] = logo()
    found['titolo'] = title()
    found['sottotitolo'] = subtitle()
    found['app_clienti'] = app_clients()
    found['app_agenda'] = app_agenda()
    found['app_clienti_titolo'] = app_caption('App Clienti e Trattamenti')
    found['app_agenda_titolo'] = app_caption('App Agenda Appuntamenti')
    found['marchio'] = maker_mark()
    found['sito'] = site()
    found['copertina'] = cover()
    found['agenda_si'] = bubble('Ci sono appuntamenti', '#FFFFFF', ROSE_LIGHT, PLUM)
    found['agenda_no'] = bubble('Non ci sono appuntamenti', '#FFFFFF', '#E4F1E7', '#3E6B4A')
    found['appuntamenti_si'] = agenda_picture(True)
    found['appuntamenti_no'] = agenda_picture(False)
    return found


def main():
    os.makedirs(OUT, exist_ok=True)
    drawn = pictures()
    for name, content in sorted(drawn.items()):
        with open(os.path.join(OUT, name + '.svg'), 'w', encoding='utf-8') as f:
            f.write(content)
    # The program icon is the window icon and the menu entry's icon of an installation.
    with open(os.path.join(HERE, 'install', 'brivanta.svg'), 'w', encoding='utf-8') as f:
        f.write(program_icon())
    with open(os.path.join(HERE, 'pictures.qrc'), 'w', encoding='utf-8') as f:
        f.write('<!DOCTYPE RCC>\n<RCC version="1.0">\n<qresource prefix="/">\n')
        for name in sorted(drawn):
            f.write(f'    <file>pictures/{name}.svg</file>\n')
        f.write('</qresource>\n</RCC>\n')


if __name__ == '__main__':
    main()

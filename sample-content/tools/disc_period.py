# -*- coding: utf-8 -*-
"""A corner of the demo disc made the way discs of around 2000 were: a
frameset whose contents frame loads pages into a named frame, a page that
declares no charset, a Cinepak film with Microsoft ADPCM sound and a BMP
picture. Linked from the start page (799.htm)."""
import os
import shutil
import subprocess
import tempfile

from disc_common import path, write_text, ISO

HEAD = ('<html>\n<head>\n<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-2">\n'
        '<title>%s</title>\n<link rel="stylesheet" type="text/css" href="styledb.css">\n</head>\n')

FRAMESET = HEAD.replace('<link rel="stylesheet" type="text/css" href="styledb.css">\n', "") % (
    "Velmora - temat: Płyta z dawnych lat") + """<frameset rows="*,48" border=0>
  <frameset cols="220,*" border=0>
    <frame name="spis" src="ramy_spis.htm" scrolling=auto>
    <frame name="tresc" src="ramy_wstep.htm">
  </frameset>
  <frame name="stopka" src="ramy_stopka.htm" scrolling=no>
<noframes><body><a name="start"></a><a href="ramy_wstep.htm">Płyta z dawnych lat</a></body></noframes>
</frameset>
</html>
"""

CONTENTS = HEAD % "Velmora - temat: Spis płyty z dawnych lat" + """<body>
<a name="start"></a>
<h2>Płyta z dawnych lat</h2>
<p><a href="ramy_wstep.htm" target="tresc">O tej części płyty</a></p>
<p><a href="ramy_bez.htm" target="tresc">Strona bez kodowania</a></p>
<p><a href="ramy_obraz.htm" target="tresc">Kwitnąca łąka (obraz BMP)</a></p>
<p><a href="http://db?mvdawny" target="tresc">Film: dawne nagranie</a></p>
<p><a href="http://db?dicpark_narodowy" target="tresc">Słownik: park narodowy</a></p>
<p><a href="799.htm" target="_top">strona główna</a></p>
</body>
</html>
"""

INTRO = HEAD % "Velmora - temat: Płyta z dawnych lat" + """<body>
<a name="start"></a>
<h1>Płyta z dawnych lat</h1>
<p>Tak wyglądały płyty encyklopedyczne sprzed ćwierćwiecza: okno podzielone na ramki,
spis po lewej stronie, treść po prawej i stopka na dole. Odnośniki spisu otwierają strony
w ramce treści, a pozostałe ramki zostają bez zmian.</p>
<p>Filmy zapisywano wtedy w plikach AVI z obrazem Cinepak i dźwiękiem ADPCM, obrazy w plikach BMP,
a strony często nie podawały strony kodowej: przeglądarka czyta je jako ISO-8859-2.</p>
</body>
</html>
"""

FOOTER = HEAD % "Velmora - temat: Stopka płyty z dawnych lat" + """<body>
<a name="start"></a>
<p class=stopka>Velmora &middot; płyta demonstracyjna &middot; część w ramkach</p>
</body>
</html>
"""

# No charset declaration, on purpose: the viewer reads such pages as ISO-8859-2.
NO_CHARSET = """<html>
<head>
<title>Velmora - temat: Strona bez kodowania</title>
<link rel="stylesheet" type="text/css" href="styledb.css">
</head>
<body>
<a name="start"></a>
<h1>Strona bez kodowania</h1>
<p>Ta strona nie podaje strony kodowej. Polskie litery: ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ -
zażółć gęślą jaźń.</p>
</body>
</html>
"""

PICTURE = HEAD % "Velmora - temat: Kwitnąca łąka" + """<body>
<a name="start"></a>
<h1>Kwitnąca łąka</h1>
<p><img src="pics/laka.bmp" width=240 height=180 alt="Kwitnąca łąka"></p>
<p>Obraz w formacie BMP z 256 kolorami, jak na dawnych płytach.</p>
</body>
</html>
"""


def write_pages():
    write_text("Data/ramy.htm", FRAMESET)
    write_text("Data/ramy_spis.htm", CONTENTS)
    write_text("Data/ramy_wstep.htm", INTRO)
    write_text("Data/ramy_stopka.htm", FOOTER)
    write_text("Data/ramy_bez.htm", NO_CHARSET)
    write_text("Data/ramy_obraz.htm", PICTURE)


def build_media(draw_landscape):
    """The BMP picture and the film; needs ImageMagick and ffmpeg."""
    tmp = tempfile.mkdtemp()
    try:
        drawing = os.path.join(tmp, "laka.jpg")
        draw_landscape("laka", "laka", drawing, 240, 180)
        subprocess.run(["convert", drawing, "-colors", "64", "-type", "Palette",
                        "BMP3:" + path("Data", "pics", "laka.bmp")], check=True)
        if not shutil.which("ffmpeg"):
            print("ffmpeg not found: film dawny.avi not made")
            return
        subprocess.run(["ffmpeg", "-loglevel", "error", "-y", "-loop", "1", "-i", drawing,
                        "-f", "lavfi", "-i", "sine=frequency=330:sample_rate=11025:duration=3",
                        "-vf", "scale=160:120,hue=h=20*t", "-t", "3", "-r", "8",
                        "-c:v", "cinepak", "-c:a", "adpcm_ms", "-ac", "1", "-shortest",
                        path("Anim", "dawny.avi")], check=True)
    finally:
        shutil.rmtree(tmp)

#!/usr/bin/env python3
# -*- coding: utf-8 -*-
"""Velmora demo disc generator.

Writes the whole sample disc (tables, templates, pages and, unless
--text-only is given, the pictures, films, sound and programs) into the
directory above this script.  Python 3 standard library only; pictures are
drawn with ImageMagick 'convert', films are encoded with 'ffmpeg'.

    python3 tools/make_disc.py             # everything
    python3 tools/make_disc.py --text-only # tables, templates, pages, programs
"""
import os
import stat
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from disc_common import write_text, write_csv, expand_links, path, WIN, ISO  # noqa: E402
import disc_data as D  # noqa: E402
from disc_tree import NODES  # noqa: E402
import disc_pages as P  # noqa: E402
import disc_period  # noqa: E402

# ------------------------------------------------------------------ records
RP = {r[0]: r for r in D.RESERVES}
PK = {r[0]: r for r in D.PARKS}
OK = {r[0]: r for r in D.OCHK}
PN = {r[0]: r for r in D.NATIONAL_PARKS}
EC = {r[0]: r for r in D.ECONET}
PROV = {p[1]: p for p in D.PROVINCES}

# record maps deliberately left without a map picture (map block hidden)
NO_MAP = {"rp139", "rp146", "pk30", "ok60"}
# reserves deliberately without a location picture (location falls back to the map)
NO_LOC = {"rp103", "rp125", "rp133"}
# the only park with a ready location picture (others get the generated page)
PK_WITH_LOC = {"pk12"}
PN_WITH_LOC = {"pntatrzanski"}

# ------------------------------------------------------------ page numbers
FIXED = {0: "750", 1: "749", 4: "32", 9: "244", 118: "471", 198: "901",
         223: "658", 226: "757", 230: "903"}
FIXED_PAGES = ["799", "750", "749", "32", "925", "926", "757", "919", "800", "923",
               "908", "914", "902", "471", "244", "918", "230", "901", "921", "922",
               "920", "903", "658"]


def children(i):
    d = NODES[i][1]
    out = []
    for j in range(i + 1, len(NODES)):
        if NODES[j][1] <= d:
            break
        if NODES[j][1] == d + 1:
            out.append(j)
    return out


def is_leaf(i):
    return not (i + 1 < len(NODES) and NODES[i + 1][1] > NODES[i][1])


LEAVES = [n[0] for n in NODES if is_leaf(n[0])]
PROVINCE_NODES = list(range(11, 27))

NODE_PAGE = {}
_used = set(FIXED_PAGES) | {str(600 + k) for k in range(1, 17)} | {"751", "752", "753", "754"}
_next = [100]


def _alloc():
    while str(_next[0]) in _used:
        _next[0] += 1
    n = str(_next[0])
    _used.add(n)
    return n


for i in LEAVES:
    if i in FIXED:
        NODE_PAGE[i] = FIXED[i]
    elif i in PROVINCE_NODES:
        NODE_PAGE[i] = str(601 + PROVINCE_NODES.index(i))
    else:
        NODE_PAGE[i] = _alloc()

PAGE_NODE = {v: k for k, v in NODE_PAGE.items()}


def node_text(i):
    return NODES[i][2].rstrip("\\").strip()


def parent(i):
    d = NODES[i][1]
    for j in range(i - 1, -1, -1):
        if NODES[j][1] == d - 1:
            return j
    return None


def node_topic(i):
    t = node_text(i)
    p = parent(i)
    if t in ("Wprowadzenie", "Spis wybranych obiektów", "Charakterystyki wybranych obiektów",
             "pol./łac.", "łac./pol.", "Wprowadzenie: rośliny naczyniowe",
             "Wprowadzenie: ochrona porostów", "Lista gatunków chronionych (1995)",
             "Anex: Lista gatunków chronionych (2001)", "Charakterystyki wybranych gatunków",
             "Spis pol./łac.", "Spis łac./pol.", "Piętra klimatyczne") and p is not None:
        pt = node_text(p)
        if t in ("pol./łac.", "łac./pol.") and parent(p) is not None:
            pt = node_text(parent(p)) + ": " + pt
        return pt + " - " + t
    if len(t) > 120:
        t = t[:117].rsplit(" ", 1)[0] + "..."
    return t


# ----------------------------------------------------------- link resolver
def rec_name(kind, key):
    if kind == "rp":
        return RP[key][1]
    if kind == "pk":
        return "Park Krajobrazowy " + PK[key][1]
    if kind == "ok":
        return "OChK " + OK[key][1]
    if kind == "ec":
        return key + " " + EC[key][1]
    if kind == "pn":
        return PN[key][1] + " Park Narodowy"
    return key


PAGE_TITLES = {}
GROUP_PAGE = {10: "914", 37: "902", 117: "471", 119: "471", 195: "230", 208: "921", 228: "903"}


def node_page(i):
    """The page of a node; a group node leads to its overview page or its first leaf."""
    if i in NODE_PAGE:
        return NODE_PAGE[i]
    if i in GROUP_PAGE:
        return GROUP_PAGE[i]
    j = i
    while j not in NODE_PAGE:
        j += 1
    return NODE_PAGE[j]


def resolve(kind, arg, text):
    if kind in ("rp", "pk", "ok", "ec"):
        return '<a href="http://db?%s%s">%s</a>' % (kind, arg, text or rec_name(kind, arg))
    if kind == "pn":
        return '<a href="http://db?pn%s" class=pn>%s</a>' % (arg, text or rec_name("pn", arg))
    if kind == "dic":
        return '<a href="http://db?dic%s" class=dic>%s</a>' % (arg, text or arg)
    if kind == "bio":
        return '<a href="http://db?bio%s" class=bio>%s</a>' % (arg, text or arg)
    if kind == "map":
        return '<a href="http://db?map-%s">%s</a>' % (arg, text or "mapa")
    if kind == "ml":
        return '<a href="http://db?ml-%s">%s</a>' % (arg, text or "lokalizacja")
    if kind == "sh":
        return '<a href="http://db?sh%s.jpg">%s</a>' % (arg, text or "fotografia")
    if kind == "thumb":   # thumbnail of a photograph with its large view
        cap = text or ""
        return ('<a href="http://db?sh%s.jpg"><img src="../Foto/%s.jpg" height=90 border=1 '
                'hspace=4 vspace=4 alt="%s" title="%s"></a>' % (arg, arg, cap, cap))
    if kind == "ss":
        return '<a href="http://db?ss%s" class=ss>%s</a>' % (arg, text or "pokaz slajdów")
    if kind == "mv":
        return '<a href="http://db?mv%s" class=mv>%s</a>' % (arg, text or "film")
    if kind == "anim":
        return '<a href="http://db?anim%s" class=anim>%s</a>' % (arg, text or "animacja")
    if kind == "trans":
        return '<a href="http://db?trans-%s.htm">%s</a>' % (arg, text or arg)
    if kind == "tree":
        return '<a href="http://db?tree">%s</a>' % (text or "spis treści")
    if kind == "node":
        i = int(arg)
        return '<a href="%s.htm">%s</a>' % (node_page(i), text or node_text(i))
    if kind == "page":
        t = text or PAGE_TITLES.get(arg.split(".")[0].split("#")[0], arg)
        href = arg if "." in arg else arg + ".htm"
        return '<a href="%s">%s</a>' % (href, t)
    if kind == "www":
        return '<a href="%s">%s</a>' % (arg, text or arg)
    raise ValueError(kind)


# ------------------------------------------------------------------- pages
STYLE_LINK = '<link rel="stylesheet" type="text/css" href="styledb.css">'


def html_page(topic, body, h1=None):
    return ("<html>\n<head>\n"
            '<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-2">\n'
            "<title>Velmora - temat: %s</title>\n%s\n</head>\n"
            '<body>\n<a name="start"></a>\n'
            '<div class=kat>Velmora &middot; encyklopedia ochrony przyrody w Polsce</div>\n'
            "<h1>%s</h1>\n%s\n"
            '<p class=stopka><a href="#start">do góry strony</a> &middot; '
            '<a href="http://db?tree">spis treści płyty</a> &middot; '
            '<a href="799.htm">strona główna</a></p>\n'
            "</body>\n</html>\n") % (topic, STYLE_LINK, h1 or topic, body)


PAGES = {}   # file name -> (topic, body markup)


def add_page(name, topic, body, h1=None):
    PAGES[name] = (topic, body, h1)
    PAGE_TITLES[name] = topic


def write_pages():
    for name, (topic, body, h1) in sorted(PAGES.items()):
        write_text("Data/" + name + ".htm" if "." not in name else "Data/" + name,
                   html_page(topic, expand_links(body, resolve), h1))


# ------------------------------------------------------------------ tables
def econet_for(prov):
    return D.ECONET_BY_PROVINCE[prov.split(",")[0].strip()]


def photos():
    """FOTO.CSV rows: key, prefix, year, references, caption, photographer, place."""
    rows = []
    n = 0
    for r in D.RESERVES:
        if int(r[0]) % 3 == 0 and r[0] not in ("123",):
            continue
        n += 1
        refs = "rp" + r[0]
        pk = park_of_reserve(r)
        if pk and n % 2 == 0:
            refs = "rp%s pk%s " % (r[0], pk)
        rows.append(("0%03d" % int(r[0]), "f", str(1995 + n % 7), refs,
                     "Rezerwat przyrody %s" % r[1], D.PHOTOGRAPHERS[n % 7],
                     "%s, gmina %s" % (r[2], r[4]), r[11]))
    for p in D.PARKS:
        rows.append(("0%03d" % (int(p[0]) + 140), "f", "1999", "pk" + p[0],
                     "Park Krajobrazowy %s" % p[1], D.PHOTOGRAPHERS[int(p[0]) % 7],
                     "województwo %s" % p[2], p[10]))
    for o in D.OCHK[:8]:
        rows.append(("0%03d" % (int(o[0]) + 130), "f", "2000", "ok" + o[0],
                     "Obszar Chronionego Krajobrazu %s" % o[1], D.PHOTOGRAPHERS[int(o[0]) % 7],
                     "województwo %s" % o[2], o[8]))
    for i, e in enumerate(D.EXTRA_PHOTOS):
        rows.append((e[0], e[1], "1998" if e[1] == "f" else "", "",
                     e[3], D.PHOTOGRAPHERS[i % 7] if e[1] == "f" else "", e[4], e[2]))
    return rows


def park_of_reserve(r):
    for p in D.PARKS:
        if p[2] == r[2] and abs(p[6] - r[9]) < 0.5 and abs(p[7] - r[10]) < 0.7:
            return p[0]
    return None


ACTS = {
    "leśny": "Zarządzenie Ministra Leśnictwa i Przemysłu Drzewnego",
    "faunistyczny": "Zarządzenie Ministra Leśnictwa i Przemysłu Drzewnego",
    "krajobrazowy": "Zarządzenie Ministra Leśnictwa i Przemysłu Drzewnego",
    "przyrody nieożywionej": "Zarządzenie Ministra Leśnictwa i Przemysłu Drzewnego",
    "florystyczny": "Zarządzenie Ministra Leśnictwa i Przemysłu Drzewnego",
    "stepowy": "Zarządzenie Ministra Leśnictwa i Przemysłu Drzewnego",
    "torfowiskowy": "Zarządzenie Ministra Ochrony Środowiska, Zasobów Naturalnych i Leśnictwa",
}
PURPOSE = {
    "leśny": "zachowanie naturalnych drzewostanów; stanowisk rzadkich roślin runa; starych drzew o cechach pomnikowych",
    "faunistyczny": "ochrona miejsc lęgowych; żerowisk i miejsc odpoczynku zwierząt; zwłaszcza ptaków wodno-błotnych",
    "krajobrazowy": "zachowanie krajobrazu naturalnego; form rzeźby terenu; zbiorowisk roślinnych",
    "przyrody nieożywionej": "ochrona tworów przyrody nieożywionej; odsłonięć geologicznych; form krasowych i skalnych",
    "florystyczny": "ochrona stanowisk rzadkich i chronionych roślin; zbiorowisk, w których rosną",
    "stepowy": "ochrona muraw kserotermicznych; roślinności stepowej; ciepłolubnych owadów",
    "torfowiskowy": "ochrona torfowiska; jego stosunków wodnych; roślin i zwierząt związanych z mokradłami",
}
COMMUNITIES = {
    "leśny": "grąd, buczyna, bór mieszany, łęg jesionowo-olszowy",
    "faunistyczny": "szuwar trzcinowy, zbiorowiska wodne, łęgi wierzbowe, łąki wilgotne",
    "krajobrazowy": "lasy mieszane, zbiorowiska skalne, łąki, zarośla",
    "przyrody nieożywionej": "zbiorowiska naskalne, murawy, fragmenty buczyny",
    "florystyczny": "lasy liściaste, murawy, zbiorowiska okrajkowe",
    "stepowy": "murawy kserotermiczne, zarośla tarniny, zbiorowiska okrajkowe",
    "torfowiskowy": "torfowisko przejściowe, bór bagienny, ols, szuwary turzycowe",
}
SPECIES = {
    "leśny": "[[dic:cis|cis pospolity]], wawrzynek wilczełyko, lilia złotogłów, [[dic:storczyki|storczyki]]",
    "faunistyczny": "[[dic:bielik|bielik]], [[dic:zuraw|żuraw]], bąk, rybitwa rzeczna, [[dic:bobr|bóbr]]",
    "krajobrazowy": "paprotka zwyczajna, wawrzynek wilczełyko, pluskwica europejska",
    "przyrody nieożywionej": "paprocie naskalne, [[dic:nietoperze|nietoperze]], porosty",
    "florystyczny": "[[dic:sniezyca|śnieżyca wiosenna]], [[dic:obuwik|obuwik pospolity]], zawilec wielkokwiatowy",
    "stepowy": "[[dic:ostnica|ostnica]], miłek wiosenny, sasanka otwarta, len złocisty",
    "torfowiskowy": "[[dic:rosiczka|rosiczka]], [[dic:brzoza_niska|brzoza niska]], kłoć wiechowata, [[dic:wodniczka|wodniczka]]",
}
THREATS = {
    "leśny": "presja turystyczna; zmiany stosunków wodnych; zanieczyszczenie powietrza",
    "faunistyczny": "płoszenie ptaków w okresie lęgowym; [[dic:eutrofizacja|eutrofizacja]] wód; drapieżnictwo norki amerykańskiej",
    "krajobrazowy": "zabudowa rekreacyjna; wydeptywanie; zaśmiecanie",
    "przyrody nieożywionej": "niszczenie nacieków; wydeptywanie; napisy na skałach",
    "florystyczny": "zrywanie roślin; zarastanie przez krzewy",
    "stepowy": "zarastanie muraw krzewami (zaniechanie wypasu); zalesianie zboczy",
    "torfowiskowy": "osuszanie; [[dic:sukcesja|sukcesja]] drzew; pożary",
}
BIO_OF_KIND = {"leśny": "grad_srodkowoeur", "faunistyczny": "szuwar_trzcinowy", "krajobrazowy": "buczyna_karpacka",
               "przyrody nieożywionej": "jaskinie_b", "florystyczny": "grad_subatlantycki",
               "stepowy": "murawa_ksero", "torfowiskowy": "torf_przejsciowe"}


BIO_NAME = {b[0]: b[1] for b in D.BIOTOPES}
KIND_TEXT = {
    "leśny": ("Drzewostany mają tu charakter zbliżony do naturalnego: obok drzew kilkusetletnich rosną "
              "młode pokolenia, a martwe pnie pozostawia się na miejscu jako siedlisko grzybów, owadów i dziuplaków.",
              "Las nie jest użytkowany gospodarczo; naturalne procesy odnowienia i rozpadu drzewostanu "
              "przebiegają bez ingerencji człowieka, a runo zachowało gatunki typowe dla starych lasów."),
    "faunistyczny": ("Obszar jest ważną ostoją ptaków wodno-błotnych: gniazdują tu perkozy, łabędzie i rybitwy, "
                     "a w czasie przelotów odpoczywają tysiące kaczek i gęsi.",
                     "Rezerwat chroni przede wszystkim miejsca rozrodu i żerowania zwierząt; w sezonie lęgowym "
                     "dostęp do najcenniejszych fragmentów jest ograniczony."),
    "krajobrazowy": ("O wartości rezerwatu decyduje krajobraz: urozmaicona rzeźba terenu, wody i mozaika "
                     "zbiorowisk roślinnych, które razem tworzą malowniczą całość.",
                     "Rezerwat zachowuje naturalny krajobraz wraz z jego elementami przyrody żywej i nieożywionej; "
                     "z punktów widokowych roztaczają się rozległe panoramy."),
    "przyrody nieożywionej": ("Chronione są tu twory przyrody nieożywionej, cenne dla geologów i geomorfologów: "
                              "odsłonięcia skał, formy skalne i zjawiska krasowe.",
                              "Obiekt ma duże znaczenie naukowe i dydaktyczne; zachowane formy pozwalają odczytać "
                              "historię geologiczną regionu."),
    "florystyczny": ("Rezerwat utworzono dla ochrony stanowisk rzadkich roślin, które zakwitają tu masowo "
                     "wczesną wiosną, zanim rozwiną się liście drzew.",
                     "Przedmiotem ochrony są populacje roślin chronionych i zbiorowiska, w których rosną; "
                     "prowadzi się tu stały monitoring ich liczebności."),
    "stepowy": ("Ciepłe, nasłonecznione zbocza porasta roślinność o charakterze stepowym, rzadka w Polsce; "
                "towarzyszą jej ciepłolubne owady, w tym liczne gatunki motyli.",
                "Murawy wymagają ochrony czynnej: bez wypasu lub koszenia szybko zarastają krzewami, dlatego "
                "regularnie usuwa się tu nalot tarniny i głogu."),
    "torfowiskowy": ("Torfowisko gromadzi wodę i węgiel; rosną tu torfowce, rosiczki i żurawina, a w dolinkach "
                     "zachowały się rośliny reliktowe z okresu polodowcowego.",
                     "Najważniejsze dla trwania torfowiska jest utrzymanie wysokiego poziomu wód, dlatego "
                     "zasypuje się dawne rowy odwadniające."),
}
VISIT = ("Zwiedzanie jest możliwe wyłącznie wyznaczonymi szlakami.",
         "Przez rezerwat prowadzi ścieżka przyrodnicza z tablicami informacyjnymi.",
         "Rezerwat można obejrzeć z punktu widokowego przy jego granicy; wstęp do wnętrza jest ograniczony.",
         "Przy wejściu ustawiono tablicę z mapą i opisem przyrody rezerwatu.")


def rp_row(r):
    key, name, prov, county, comm, area, year, kind, nadl, lat, lon, ph, desc = r
    ec = econet_for(prov)
    pk = park_of_reserve(r)
    act = "%s z dnia %d %s %d r. (M.P. nr %d, poz. %d)" % (
        ACTS[kind], 3 + int(key) % 25, ["stycznia", "marca", "maja", "lipca", "września", "listopada"][int(key) % 6],
        year, 10 + int(key) % 70, 100 + int(key) * 3)
    nadz = "Nadleśnictwo %s, obręb leśny %s, oddziały %d-%d" % (nadl, nadl, int(key) % 40 + 1, int(key) % 40 + 4)
    text = "%s Rezerwat utworzono w %d roku na powierzchni %s ha. %s %s" % (
        desc, year, area, KIND_TEXT[kind][int(key) % 2], VISIT[int(key) % 4])
    threats = "" if int(key) % 5 == 0 else expand_links(THREATS[kind], resolve)
    see = ['<a href="http://db?ml-rp%s">lokalizacja na mapie Polski</a>' % key,
           '<a href="http://db?bio%s">biotop: %s</a>' % (BIO_OF_KIND[kind], BIO_NAME[BIO_OF_KIND[kind]].lower()),
           '<a href="http://db?path%s.htm">rezerwaty województwa %s</a>' % (
               str(601 + [p[1] for p in D.PROVINCES].index(prov)) + "a", prov),
           '<a href="http://db?dicrezerwat">co to jest rezerwat?</a>']
    return [key, name, prov, county, comm, area, str(year), act, kind, nadz,
            PURPOSE[kind], text, COMMUNITIES[kind], expand_links(SPECIES[kind], resolve),
            threats, '<a href="http://db?ec%s">%s %s</a>' % (ec, ec, EC[ec][1]),
            ('<a href="http://db?pk%s">Park Krajobrazowy %s</a>' % (pk, PK[pk][1])) if pk else "",
            " &middot; ".join(see)]


def pk_row(p):
    key, name, prov, year, area, buf, lat, lon, team, desc, ph = p
    res = [r for r in D.RESERVES if park_of_reserve(r) == key]
    ec = econet_for(prov)
    addr = "%s, biuro parku w miejscowości %s" % (team, PROV[prov][3].split(" i ")[0])
    long_desc = ("%s Park utworzono w %d roku, aby chronić wartości przyrodnicze, historyczne i kulturowe "
                 "tego obszaru oraz udostępnić je dla turystyki i wypoczynku. Na terenie parku prowadzi się "
                 "normalną gospodarkę rolną i leśną, jednak z ograniczeniami: nie wolno tu budować obiektów "
                 "szkodliwych dla środowiska, prowadzić eksploatacji kopalin na dużą skalę ani zmieniać "
                 "stosunków wodnych. Park prowadzi edukację przyrodniczą, wyznacza ścieżki dydaktyczne i "
                 "współpracuje ze szkołami, gminami i nadleśnictwami. Szczególną troską otacza się "
                 "krajobraz wsi, tradycyjne budownictwo i zadrzewienia śródpolne." % (desc, year))
    return [key, name, prov, "powiaty regionu " + PROV[prov][3], "kilka gmin województwa " + prov,
            area, buf if buf != "0" else "", str(year),
            "Rozporządzenie Wojewody %s z dnia %d r. w sprawie utworzenia parku krajobrazowego; zmiany w latach późniejszych" % (PROV[prov][3].split(" i ")[0], year),
            "zarząd: " + team, "",
            "region " + PROV[prov][2], "wzgórza, doliny i równiny pochodzenia polodowcowego lub wyżynnego",
            "utwory czwartorzędowe na podłożu starszych skał", "rzeki, potoki i jeziora; liczne źródła",
            "gleby brunatne, płowe i bielicowe; w dolinach mady i gleby torfowe",
            "klimat umiarkowany przejściowy z lokalnymi cechami regionu",
            "lasy liściaste i mieszane, bory sosnowe, łąki i zbiorowiska wodne",
            "ponad 50 gatunków chronionych, m.in. " + expand_links("[[dic:storczyki|storczyki]], [[dic:sniezyca|śnieżyca wiosenna]], lilia złotogłów", resolve),
            expand_links("[[dic:bobr|bóbr]], [[dic:wilk|wilk]], [[dic:bielik|bielik]], bocian czarny, liczne płazy i owady", resolve),
            "%s, %s" % (team, "Dział Edukacji"),
            ", ".join('<a href="http://db?rp%s">%s</a>' % (r[0], r[1]) for r in res) or "",
            "liczne pomniki przyrody, głównie sędziwe dęby, lipy i głazy narzutowe",
            "kościoły, dwory, parki podworskie i budownictwo drewniane",
            "znakowane szlaki piesze, rowerowe i kajakowe",
            "ścieżki przyrodnicze z tablicami informacyjnymi",
            "presja zabudowy letniskowej, nadmierny ruch turystyczny, zanieczyszczenie wód",
            long_desc,
            '<a href="http://db?ec%s">%s %s</a>' % (ec, ec, EC[ec][1]),
            "obszar Natura 2000 w części parku" if int(key) % 2 else "",
            "Plan ochrony parku; przewodniki regionalne",
            "" if int(key) % 3 else "Park należy do zespołu parków krajobrazowych województwa.",
            '<a href="http://db?ml-pk%s">lokalizacja</a> &middot; <a href="http://db?path%s.htm">parki krajobrazowe - wprowadzenie</a> &middot; <a href="http://db?dicpark_krajobrazowy">co to jest park krajobrazowy?</a>' % (key, NODE_PAGE[50])]


def ok_row(o):
    key, name, prov, year, area, lat, lon, desc, ph = o
    return [key, name, prov, "kilka powiatów województwa " + prov, "gminy regionu", area, str(year),
            "Uchwała Wojewódzkiej Rady Narodowej z %d r., następnie rozporządzenie wojewody" % year,
            "region " + PROV[prov][2], desc,
            "lasy, łąki, zbiorowiska wodne i zadrzewienia śródpolne",
            expand_links("[[dic:bobr|bóbr]], [[dic:bocian|bocian biały]], sarna, dzik, liczne ptaki śpiewające", resolve),
            "" if int(key) % 4 == 0 else "zabytkowe kościoły, dwory i układy ruralistyczne wsi",
            "Obszar pełni funkcję %s. Dopuszcza się tu gospodarkę rolną, leśną i rybacką, "
            "jednak z zachowaniem krajobrazu i [[dic:korytarz|korytarzy ekologicznych]]." % (
                "terenu wypoczynku i korytarza ekologicznego" if int(key) % 2 else "otuliny ekologicznej dla cenniejszych obszarów"),
            "Wojewoda %s, Wydział Środowiska i Rolnictwa, Urząd Wojewódzki" % prov,
            '<a href="http://db?ml-ok%s">lokalizacja</a> &middot; <a href="http://db?dicochk">co to jest OChK?</a>' % key]


def ok_row_expanded(o):
    r = ok_row(o)
    r[13] = expand_links(r[13], resolve)
    return r


def proj(lat, lon, w=240):
    """Position on the 240 x 226 map of Poland used by the location pages."""
    k = (w - 12) / (10.3 * 0.616)
    return int(6 + (lon - 14.0) * 0.616 * k), int(6 + (54.95 - lat) * k)


def econet_rows():
    rows = []
    for e in D.ECONET:
        links = []
        for r in D.RESERVES:
            if econet_for(r[2]) == e[0]:
                links.append('<a href="http://db?rp%s">%s</a>' % (r[0], r[1]))
        see = ", ".join(links[:6])
        if see:
            see = "rezerwaty: " + see + " &middot; "
        see += '<a href="http://db?ec[bd]">wszystkie elementy sieci</a>'
        rows.append([e[0], e[1], e[2], e[3], e[4], see])
    # location rows: positions of the arrow marker on pn.jpg / pk.jpg
    for p in D.NATIONAL_PARKS:
        x, y = proj(p[5], p[6])
        rows.append(["pn" + p[0], str(x - 8), str(y - 16), "", "położenie parku narodowego " + p[1], ""])
    for p in D.PARKS:
        x, y = proj(p[6], p[7])
        rows.append(["pk" + p[0], str(x - 8), str(y - 16), "", "położenie parku krajobrazowego " + p[1], ""])
    return rows


def write_tables():
    write_csv("RP.CSV", [rp_row(r) for r in D.RESERVES], split_long=700)
    write_csv("PK.CSV", [pk_row(p) for p in D.PARKS], split_long=1500)
    write_csv("OCHK.CSV", [ok_row_expanded(o) for o in D.OCHK])
    write_csv("ECONET.CSV", econet_rows())
    write_csv("FOTO.CSV", [list(r[:7]) for r in photos()])
    write_csv("TRANSL.CSV", [["intro_en", "751"], ["intro_de", "752"], ["pn_en", "753"],
                             ["econet_en", "754"], ["intro_fr", "755"]])
    rows = []
    for k, h, d in D.DICT:
        if d is None:
            rows.append([k, h, "definicja w osobnym pliku <--file-->"])
            write_text("DB/%s.dic" % k, "\n".join(D.DIC_FILES[k]) + "\n")
        else:
            rows.append([k, h, d])
    write_csv("DICT.CSV", rows)
    write_csv("BIOTOP.CSV", [[b[0], b[1], b[2], b[3], b[4], b[5], b[6]] for b in D.BIOTOPES])
    write_csv("SLIDE.CSV", [[k] + v for k, v in D.SLIDES.items()])


# ------------------------------------------------------------------- menus
def menus():
    """(name, heading, pages, variant links) - exactly 82 menus."""
    from disc_pages import MENU_GROUPS
    return MENU_GROUPS(NODE_PAGE)


def write_menus():
    ms = menus()
    assert len(ms) == 82, len(ms)
    lines = []
    for name, head, pages, variants in ms:
        lines.append(name + ";" + ";".join(p for p in pages) + (";" if pages else ""))
        items = "\n".join('<li><a href="http://db?path%s.htm">%s</a></li>' % (p, PAGE_TITLES.get(p, p))
                          for p in pages)
        var = "\n".join('<li><a href="http://db?pg%s.htm">%s</a></li>' % (v, t) for v, t in variants)
        write_text("Makiety/menu_%s.htm" % name, MENU_TEMPLATE % {
            "head": head, "items": items,
            "var": ('<p class=mh>Na tej stronie:</p>\n<ul>\n<li><a href="http://db?pg.htm#start">początek strony</a></li>\n'
                    + var + "\n</ul>\n")})
    write_text("DB/MENU.CSV", "\n".join(lines) + "\n")


MENU_TEMPLATE = """<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-2">
<title>menu</title>
<style>
body { margin: 4px; background: #f3eeda; font: 11px Tahoma, Arial, sans-serif; color: #333; }
p.mh { margin: 6px 0 2px 0; font-weight: bold; color: #5a4a2a; border-bottom: 1px solid #b5aa93; }
ul { margin: 0; padding-left: 12px; }
li { margin: 2px 0; }
a { color: #2d5a27; text-decoration: none; }
a:hover { text-decoration: underline; color: #a33; }
</style>
</head>
<body>
<p class=mh>%(head)s</p>
<ul>
%(items)s
</ul>
%(var)s<p class=mh>Pomoc</p>
<ul>
<li><a href="http://db?tree">spis treści (drzewo)</a></li>
<li><a href="http://db?path658.htm">słownik pojęć</a></li>
<li><a href="http://db?path799.htm">strona główna</a></li>
</ul>
</body>
</html>
"""


# -------------------------------------------------------------- templates
def rec_row(label, n):
    return ('<TR VALIGN=TOP><TD WIDTH=165 ALIGN=right><P ALIGN=right><FONT COLOR="#4c4c4c">%s</FONT></P></TD>'
            '<TD WIDTH=10></TD><TD WIDTH=441><P>@kol%d@</P></TD></TR>\n' % (label, n))


def record_template(title, heading, kind, rows, icon_row=True):
    body = "".join(rec_row(l, n) for l, n in rows)
    mapblock = (
        "<!--@begin@-->\n"
        '<TR VALIGN=TOP><TD WIDTH=165 ALIGN=right><P ALIGN=right><FONT COLOR="#4c4c4c">mapa:</FONT></P></TD>'
        '<TD WIDTH=10></TD><TD WIDTH=441><P><A HREF="http://db?map-%s@kol1@"><IMG SRC="m.jpg" ALIGN=left BORDER=0 HSPACE=6 ALT="mapa"></A>'
        "Mapa obiektu w dużej skali. Kliknij ikonę mapy, aby ją otworzyć na całym ekranie; "
        "powrót do opisu umożliwia przycisk &bdquo;&lt;--&rdquo; na dolnym pasku programu.</P></TD></TR>\n"
        "<!--@end@-->\n" % kind)
    return ("""<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-2">
<title>Velmora - temat: %s</title>
<link rel="stylesheet" type="text/css" href="styledb.css">
</head>
<body background="bgr.jpg">
<a name="start"></a>
<div class=kat>%s <A HREF="http://db?path908.htm">(bazy obiektów)</A></div>
<TABLE BORDER=0 CELLPADDING=0 CELLSPACING=0 WIDTH=616><TR><TD><IMG SRC="f.jpg" ALIGN=left HSPACE=8 ALT=""></TD>
<TD><H1 class=rek>@kol2@</H1></TD></TR></TABLE>
<TABLE BORDER=0 CELLPADDING=3 CELLSPACING=0 WIDTH=616>
%s%s<!--@foto@--></P></TD></TR>
</TABLE>
<p class=stopka><a href="#start">do góry strony</a> &middot; <a href="http://db?path902.htm">formy ochrony przyrody</a> &middot; <a href="http://db?path799.htm">strona główna</a></p>
</body>
</html>
""" % (title, heading, body, mapblock))


def write_templates():
    write_text("Makiety/rp.html", record_template(
        "Rezerwat przyrody @kol2@", "Rezerwat przyrody", "rp",
        [("województwo:", 3), ("powiat:", 4), ("gmina:", 5), ("powierzchnia [ha]:", 6),
         ("rok utworzenia:", 7), ("akt prawny:", 8), ("rodzaj rezerwatu:", 9), ("nadzór:", 10),
         ("cel ochrony:", 11), ("opis:", 12), ("zbiorowiska roślinne:", 13), ("gatunki chronione:", 14),
         ("zagrożenia:", 15), ("sieć ECONET-PL:", 16), ("park krajobrazowy:", 17), ("zobacz też:", 18)]))
    write_text("Makiety/pk.html", record_template(
        "Park krajobrazowy @kol2@", "Park krajobrazowy", "pk",
        [("województwo:", 3), ("powiaty:", 4), ("gminy:", 5), ("powierzchnia parku [ha]:", 6),
         ("powierzchnia otuliny [ha]:", 7), ("rok utworzenia:", 8), ("akt prawny:", 9), ("zarząd:", 10),
         ("telefon:", 11), ("region:", 12), ("rzeźba terenu:", 13), ("budowa geologiczna:", 14),
         ("wody:", 15), ("gleby:", 16), ("klimat:", 17), ("szata roślinna:", 18), ("flora chroniona:", 19),
         ("fauna:", 20), ("jednostka zarządzająca:", 21), ("rezerwaty przyrody:", 22), ("pomniki przyrody:", 23),
         ("zabytki kultury:", 24), ("szlaki turystyczne:", 25), ("ścieżki dydaktyczne:", 26),
         ("zagrożenia:", 27), ("opis:", 28), ("sieć ECONET-PL:", 29), ("Natura 2000:", 30),
         ("literatura:", 31), ("uwagi:", 32), ("zobacz też:", 33)]))
    write_text("Makiety/OCHK.html", record_template(
        "Obszar Chronionego Krajobrazu @kol2@", "Obszar chronionego krajobrazu", "ok",
        [("województwo:", 3), ("powiaty:", 4), ("gminy:", 5), ("powierzchnia [ha]:", 6),
         ("rok utworzenia:", 7), ("akt prawny:", 8), ("region:", 9), ("krajobraz:", 10),
         ("szata roślinna:", 11), ("fauna:", 12), ("wartości kulturowe:", 13), ("opis:", 14),
         ("nadzór:", 15), ("zobacz też:", 16)]))
    write_text("Makiety/econet.html", """<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-2">
<title>Velmora - temat: ECONET-PL @kol1@ @kol2@</title>
<link rel="stylesheet" type="text/css" href="styledb.css">
</head>
<body background="bgr.jpg">
<a name="start"></a>
<IMG SRC=econet.jpg WIDTH=600 HEIGHT=60 ALT="ECONET-PL">
<H2 class=eco><IMG SRC="arrow.gif" ALT="">&nbsp;<!--@opis@--></H2>
<TABLE BORDER=0 CELLPADDING=3 CELLSPACING=0 WIDTH=616>
<TR VALIGN=TOP><TD WIDTH=165 ALIGN=right><FONT COLOR="#4c4c4c">kod elementu:</FONT></TD><TD WIDTH=10></TD><TD WIDTH=441><B>@kol1@</B></TD></TR>
<TR VALIGN=TOP><TD WIDTH=165 ALIGN=right><FONT COLOR="#4c4c4c">nazwa:</FONT></TD><TD WIDTH=10></TD><TD WIDTH=441>@kol2@</TD></TR>
<TR VALIGN=TOP><TD WIDTH=165 ALIGN=right><FONT COLOR="#4c4c4c">województwa:</FONT></TD><TD WIDTH=10></TD><TD WIDTH=441>@kol3@</TD></TR>
<TR VALIGN=TOP><TD WIDTH=165 ALIGN=right><FONT COLOR="#4c4c4c">powierzchnia [km&sup2;]:</FONT></TD><TD WIDTH=10></TD><TD WIDTH=441>@kol4@</TD></TR>
<TR VALIGN=TOP><TD WIDTH=165 ALIGN=right><FONT COLOR="#4c4c4c">charakterystyka:</FONT></TD><TD WIDTH=10></TD><TD WIDTH=441>@kol5@</TD></TR>
<TR VALIGN=TOP><TD WIDTH=165 ALIGN=right><FONT COLOR="#4c4c4c">powiązania:</FONT></TD><TD WIDTH=10></TD><TD WIDTH=441>@kol6@</TD></TR>
</TABLE>
<p class=stopka><IMG SRC="f.jpg" HEIGHT=16 ALT=""> <a href="http://db?path901.htm" target="_top">o sieci ECONET-PL</a> &middot; <a href="http://db?dicobszar_wezlowy" target="_top">obszar węzłowy</a> &middot; <a href="http://db?dickorytarz" target="_top">korytarz ekologiczny</a></p>
</body>
</html>
""")
    write_text("Makiety/econet_fr.html", """<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-2">
<title>Velmora - temat: Sieć ekologiczna ECONET-PL</title>
</head>
<frameset rows="*,26" border=0 frameborder=0 framespacing=0>
<frame src="$$econet.html" name="econet" marginwidth=8 marginheight=6>
<frame src="blankb.htm" name="pasek" scrolling=no noresize>
</frameset>
</html>
""")
    write_text("Makiety/blankb.htm", """<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-2">
<title>pasek</title>
<link rel="stylesheet" type="text/css" href="styledb.css">
</head>
<body class=pasek>
<div class=pasek>Krajowa sieć ekologiczna ECONET-PL &middot; obszary węzłowe i korytarze ekologiczne</div>
</body>
</html>
""")
    loc = """<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-2">
<title>Lokalizacja</title>
<style>
body { margin: 0; background: #ffffff; font: 11px Tahoma, Arial, sans-serif; overflow: hidden; }
div.mapa { position: relative; width: 240px; height: 226px; margin: 2px 0 0 6px; }
p { margin: 2px 8px; color: #444; }
</style>
</head>
<body>
<div class=mapa>
<img src="%s" width=240 height=226 style="position:absolute; left:0px; top:0px" alt="">
<img src="arrow.gif" width=16 height=16 style="position:absolute; left:@kol5@px; top:@kol6@px" alt="tutaj">
</div>
<p>%s</p>
</body>
</html>
"""
    write_text("Makiety/pn_loc.html", loc % ("pn.jpg", "Czerwona strzałka wskazuje położenie parku narodowego; zielone punkty to pozostałe parki narodowe."))
    write_text("Makiety/pk_loc.html", loc % ("pk.jpg", "Czerwona strzałka wskazuje położenie parku krajobrazowego na tle innych parków."))
    write_text("Makiety/chmurka.html", """<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-2">
<title>@title@</title>
<link rel="stylesheet" type="text/css" href="styledb.css">
</head>
<body class=chmurka>
<a name="start"></a>
<center>
<img src="m.jpg" border=1 alt="" class=duzy><br>
<div class=podpis><!--@opis@--></div>
</center>
</body>
</html>
""")
    write_text("Makiety/dict.html", """<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-2">
<title>Słownik</title>
<link rel="stylesheet" type="text/css" href="styledb.css">
</head>
<body class=slownik>
<div class=definicja><!--@opis@--></div>
<!--@back@-->
<p class=slstopka><a href="http://db?path658.htm">o słowniku</a></p>
</body>
</html>
""")
    write_text("Makiety/search.html", """<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-2">
<title>@title@ - wyniki wyszukiwania</title>
<link rel="stylesheet" type="text/css" href="http://db?pathstyledb.css">
</head>
<body>
<a name="start"></a>
<div class=kat>@title@ &middot; wyszukiwanie w tekstach płyty i w słownikach</div>
<ul class=wyniki>
<!--@opis@-->
</ul>
<p class=stopka>Koniec listy wyników. <a href="http://db?path919.htm">Pomoc</a> &middot; <a href="http://db?path658.htm">Słownik</a></p>
</body>
</html>
""")
    write_text("Makiety/slide.html", """<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-2">
<title>slajd</title>
<style>
html, body { margin: 0; height: 100%; background: #000000; overflow: hidden; }
table { width: 100%; height: 100%; }
img { max-width: 96vw; max-height: 92vh; border: 2px solid #333; }
</style>
</head>
<body>
<table cellpadding=0 cellspacing=0><tr><td align=center valign=middle>
<img src="m.jpg" alt=""><br><font color="#999999"><!--@opis@--></font>
</td></tr></table>
</body>
</html>
""")
    write_text("Makiety/opis.html", """<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-2">
<title>opis</title>
<style>
body { margin: 0; padding: 12px 8px; background: #000000; color: #99ff66; font: bold 14px Tahoma, Arial, sans-serif; overflow: hidden; white-space: nowrap; }
</style>
</head>
<body><!--@opis@--></body>
</html>
""")
    # the title strip receives Windows-1250 text: declared as such, ASCII only
    write_text("Makiety/title.html", """<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=windows-1250">
<title>Velmora</title>
<style>
body { margin: 0; padding: 0; background: #44693b; overflow: hidden; }
div { padding: 6px 12px; color: #fffbe8; font: bold 15px Tahoma, Verdana, Arial, sans-serif; white-space: nowrap; }
span { color: #cfe3b0; font-weight: normal; }
</style>
</head>
<body><div><span>Velmora &raquo;</span> <!--@opis@--></div></body>
</html>
""", enc=WIN)


STYLE = """/* Velmora - arkusz stylów stron płyty */
body { background: #fbf8ee url(bgr.jpg); color: #222; font: 13px/1.45 Tahoma, Verdana, Arial, sans-serif; margin: 10px 22px 20px 22px; }
h1 { font: bold 22px Georgia, 'Times New Roman', serif; color: #2d5a27; border-bottom: 2px solid #b5aa93; padding-bottom: 4px; margin: 6px 0 12px 0; }
h1.rek { border: none; margin: 4px 0; }
h2 { font: bold 17px Georgia, serif; color: #5a4a2a; margin: 18px 0 6px 0; }
h2.eco { color: #2d5a27; }
h3 { font-size: 14px; color: #2d5a27; margin: 12px 0 4px 0; }
p { margin: 6px 0 8px 0; text-align: justify; }
a { color: #1f5c99; }
a:hover { color: #b3261e; }
a.dic { color: #2d5a27; border-bottom: 1px dotted #2d5a27; text-decoration: none; }
a.bio { color: #6b4f1d; border-bottom: 1px dotted #6b4f1d; text-decoration: none; }
a.pn { color: #7a2e12; font-weight: bold; }
a.ss, a.mv, a.anim { font-weight: bold; color: #8a3b00; }
div.kat { font-size: 11px; color: #7b6d4f; letter-spacing: 1px; text-transform: uppercase; }
p.stopka { margin-top: 24px; border-top: 1px solid #cfc5ac; padding-top: 4px; font-size: 11px; color: #777; }
table.dane { border-collapse: collapse; margin: 8px 0; }
table.dane td, table.dane th { border: 1px solid #cfc5ac; padding: 3px 7px; font-size: 12px; vertical-align: top; }
table.dane th { background: #e9e1c8; color: #4a3d20; }
div.ramka { background: #f1ecd9; border: 1px solid #cfc5ac; padding: 6px 10px; margin: 10px 0; }
div.ramka b { color: #5a4a2a; }
img.ilustr { float: right; margin: 2px 0 8px 14px; border: 1px solid #888; }
div.galeria { margin: 8px 0; }
ul.wyniki { margin-left: 6px; }
body.chmurka { text-align: center; background: #1d1d1d; color: #ddd; }
body.chmurka img.duzy { max-width: 96%; margin-top: 6px; }
div.podpis { font: italic 13px Georgia, serif; color: #eee; margin: 8px; }
body.slownik { margin: 6px 8px; font-size: 12px; background: #fffdf3; }
div.definicja { text-align: justify; }
p.slstopka { font-size: 10px; color: #888; margin-top: 10px; }
body.pasek { margin: 0; background: #44693b; }
div.pasek { color: #fffbe8; font: 11px Tahoma, Arial; padding: 5px 10px; }
"""


def write_support_text():
    write_text("Data/styledb.css", STYLE)
    write_text("Data/lock.vnq", "VELMORA-DEMO\nwersja płyty: 1.0 (płyta demonstracyjna)\nplik znacznika instalacji - nie usuwać\n")


# --------------------------------------------------------------- programs
def write_programs():
    progs = {
        "start.exe": ("czołówka programu", "Velmora - encyklopedia ochrony przyrody w Polsce"),
        "fin.exe": ("animacja zamykająca", "Velmora - do zobaczenia!"),
        "lodowiec.exe": ("animacja: zlodowacenie", "Animacja: lodowiec nasuwa sie na nizine i pozostawia moreny."),
        "krazenie.exe": ("animacja: krążenie wody", "Animacja: parowanie, chmury, opad, splyw do rzek i morza."),
        "sukcesja.exe": ("animacja: zarastanie jeziora", "Animacja: jezioro zarasta, powstaje torfowisko, a potem las."),
    }
    for name, (what, msg) in progs.items():
        script = """#!/bin/sh
# Velmora demo disc - %s.
# Stand-in for an animation program: shows a short note for about a second
# when a display and xmessage are available, otherwise just waits; always exits 0.
if [ -n "$DISPLAY" ] && command -v xmessage >/dev/null 2>&1; then
    if command -v timeout >/dev/null 2>&1; then
        timeout 2 xmessage -center -timeout 1 "%s" >/dev/null 2>&1
    else
        xmessage -center -timeout 1 "%s" >/dev/null 2>&1 &
        sleep 1
    fi
else
    sleep 1
fi
exit 0
""" % (ascii_only(what), ascii_only(msg), ascii_only(msg))
        p = path("Anim", name)
        with open(p, "wb") as f:
            f.write(script.encode("ascii"))
        os.chmod(p, 0o755)


def ascii_only(s):
    tr = str.maketrans("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ", "acelnoszzACELNOSZZ")
    return s.translate(tr)


# -------------------------------------------------------------------- tree
def write_tree():
    lines = ["%d;%s.htm" % (i, NODE_PAGE[i]) for i in LEAVES]
    write_text("DB/DRZEWO1.CSV", "\n".join(lines) + "\n")


def main():
    text_only = "--text-only" in sys.argv
    P.build(sys.modules[__name__])
    write_tables()
    write_templates()
    write_support_text()
    write_menus()
    write_tree()
    write_pages()
    write_programs()
    disc_period.write_pages()
    if not text_only:
        import disc_media
        disc_media.build(sys.modules[__name__])
    print("pages:", len(PAGES), "leaves:", len(LEAVES))


if __name__ == "__main__":
    main()

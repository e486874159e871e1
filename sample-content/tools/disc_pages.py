# -*- coding: utf-8 -*-
"""Texts of the content pages of the Velmora demo disc.

Link markup used in the texts (expanded by make_disc.resolve):
  [[rp:KEY]] [[pk:KEY]] [[ok:KEY]] [[ec:CODE]]  record pages
  [[pn:KEY]]                                  national park (key into search box)
  [[map:NAME]] [[ml:NAME]]                    map picture / location balloon
  [[sh:PICTURE]] [[thumb:PICTURE|caption]]    photograph, large view
  [[dic:WORD]] [[bio:WORD]]                   dictionary balloons
  [[ss:SET]] [[mv:FILM]] [[anim:PROGRAM]]     slide show, film, animation
  [[trans:NAME]] [[tree:]] [[node:I]] [[page:N]] [[www:URL]]
"""
import disc_data as D
from disc_texts import TEXTS, FIXED_TEXTS, ACT_NOTES

M = None


def L(items):
    return "<ul>\n" + "\n".join("<li>%s</li>" % i for i in items) + "\n</ul>\n"


def table(head, rows):
    h = "<tr>" + "".join("<th>%s</th>" % c for c in head) + "</tr>\n"
    b = "\n".join("<tr>" + "".join("<td>%s</td>" % c for c in r) + "</tr>" for r in rows)
    return '<table class=dane>\n' + h + b + "\n</table>\n"


def prov_page(prov):
    return str(601 + [p[1] for p in D.PROVINCES].index(prov))


# -------------------------------------------------------------- generators
def province_pages():
    for i, (slug, name, cap, city, lat, lon) in enumerate(D.PROVINCES):
        num = str(601 + i)
        res = [r for r in D.RESERVES if r[2] == name]
        pks = [p for p in D.PARKS if p[2] == name]
        oks = [o for o in D.OCHK if o[2] == name]
        pns = [p for p in D.NATIONAL_PARKS if p[2] == name]
        ec = D.ECONET_BY_PROVINCE[name]
        body = ("<p>Województwo %s (siedziba władz: %s) ma swoje charakterystyczne krajobrazy i "
                "przyrodę, którą chroni sieć obszarów o różnym statusie. Poniżej zebrano najważniejsze "
                "informacje o ochronie przyrody w regionie: parki narodowe, wybrane rezerwaty, parki "
                "krajobrazowe i obszary chronionego krajobrazu, a także elementy sieci "
                "[[dic:econet|ECONET-PL]].</p>\n" % (name, city))
        body += "<h2>Parki narodowe</h2>\n"
        body += (L(["[[pn:%s]] (%s ha, od %d r.) &middot; [[ml:pn%s|położenie]]" % (p[0], p[4], p[3], p[0]) for p in pns])
                 if pns else "<p>Na terenie województwa nie ma parku narodowego; najcenniejsze obszary chronią rezerwaty i parki krajobrazowe.</p>\n")
        body += "<h2>W skrócie</h2>\n" + table(["forma ochrony", "liczba obiektów opisanych na płycie"], [
            ["rezerwaty przyrody", "[[page:%sa|%d]]" % (num, len(res))],
            ["parki krajobrazowe", "[[page:%sb|%d]]" % (num, len(pks))],
            ["obszary chronionego krajobrazu", "[[page:%sb|%d]]" % (num, len(oks))]])
        body += "<p>Województwo leży w zasięgu elementu sieci ekologicznej [[ec:%s]].</p>\n" % ec
        if res:
            r = res[0]
            body += "<p>Przykładem cennego obiektu jest rezerwat [[rp:%s]]: %s</p>\n" % (r[0], r[12])
        M.add_page(num, "Ochrona przyrody w województwie: " + cap, body)
        # a: reserves
        rows = [["[[rp:%s]]" % r[0], r[7], r[5], str(r[6]), "[[ml:rp%s|lokalizacja]]" % r[0] +
                 ("" if "rp" + r[0] in M.NO_MAP else " &middot; [[map:rp%s|mapa]]" % r[0])] for r in res]
        body = ("<p>Rezerwaty przyrody województwa %s opisane na płycie. Nazwa prowadzi do opisu "
                "rezerwatu z bazy danych, odnośniki w ostatniej kolumnie pokazują położenie rezerwatu "
                "w okienku lokalizacji i jego mapę.</p>\n" % name)
        body += table(["rezerwat", "rodzaj", "pow. [ha]", "rok", "mapy"], rows) if rows else "<p>Brak opisanych rezerwatów.</p>"
        M.add_page(num + "a", "Rezerwaty przyrody województwa: " + cap, body)
        # b: parks and areas
        body = "<p>Parki krajobrazowe i obszary chronionego krajobrazu województwa %s.</p>\n" % name
        body += "<h2>Parki krajobrazowe</h2>\n" + (L(["[[pk:%s]] - %s ha, utworzony w %d r. &middot; [[ml:pk%s|położenie]]" % (p[0], p[4], p[3], p[0]) for p in pks]) if pks else "<p>Brak opisanych parków.</p>\n")
        body += "<h2>Obszary chronionego krajobrazu</h2>\n" + (L(["[[ok:%s]] - %s ha &middot; [[ml:ok%s|położenie]]" % (o[0], o[4], o[0]) for o in oks]) if oks else "<p>Brak opisanych obszarów.</p>\n")
        M.add_page(num + "b", "Parki krajobrazowe i OChK województwa: " + cap, body)


def db_pages(NP):
    # national parks
    rows = [["[[pn:%s|%s PN]]" % (p[0], p[1]), p[2], str(p[3]), p[4],
             "[[ml:pn%s|położenie]] &middot; [[map:pn%s|mapa]]" % (p[0], p[0])] for p in D.NATIONAL_PARKS]
    M.add_page(NP[40], "Parki narodowe - baza danych",
               "<p>W Polsce istnieją 23 [[dic:park_narodowy|parki narodowe]]. Kliknięcie nazwy parku "
               "wpisuje jego nazwę do okienka wyszukiwania na dolnym pasku - wystarczy wtedy nacisnąć "
               "<b>Szukaj</b>, by odnaleźć wszystkie strony płyty, które o nim wspominają. Odnośnik "
               "<i>położenie</i> pokazuje park na mapie Polski w małym okienku.</p>\n"
               + table(["park narodowy", "województwo", "rok utworzenia", "pow. [ha]", "mapy"], rows))
    rows = [["[[rp:%s]]" % r[0], r[2], r[7], r[5], str(r[6])] for r in D.RESERVES]
    M.add_page(NP[46], "Baza rezerwatów przyrody",
               "<p>Baza zawiera opisy %d wybranych rezerwatów przyrody ze wszystkich województw. "
               "Opis każdego rezerwatu tworzony jest z bazy danych w chwili wybrania odnośnika; "
               "zawiera dane administracyjne, akt prawny, cel ochrony, opis, mapę i fotografie.</p>\n"
               % len(D.RESERVES) + table(["rezerwat", "województwo", "rodzaj", "pow. [ha]", "rok"], rows))
    srt = sorted(D.RESERVES, key=lambda r: r[1])
    M.add_page(NP[47], "Rezerwaty przyrody - spis alfabetyczny",
               "<p>Alfabetyczny spis rezerwatów opisanych na płycie.</p>\n" +
               L(["[[rp:%s]] (%s)" % (r[0], r[2]) for r in srt]))
    kinds = {}
    for r in D.RESERVES:
        kinds.setdefault(r[7], []).append(r)
    body = "<p>Rezerwaty pogrupowane według rodzaju (zob. [[node:44|klasyfikacja rezerwatów]]).</p>\n"
    for k in sorted(kinds):
        body += "<h3>rezerwaty %s</h3>\n" % ("przyrody nieożywionej" if k == "przyrody nieożywionej" else k.replace("y", "e") if k.endswith("y") else k)
        body += "<p>" + ", ".join("[[rp:%s]]" % r[0] for r in kinds[k]) + "</p>\n"
    M.add_page(NP[48], "Rezerwaty przyrody według rodzaju", body)
    rows = [["[[pk:%s|%s]]" % (p[0], p[1]), p[2], str(p[3]), p[4], "[[ml:pk%s|położenie]]" % p[0] +
             ("" if "pk" + p[0] in M.NO_MAP else " &middot; [[map:pk%s|mapa]]" % p[0])] for p in D.PARKS]
    M.add_page(NP[51], "Baza parków krajobrazowych",
               "<p>Baza obejmuje %d parków krajobrazowych. Odnośnik <i>położenie</i> pokazuje park na "
               "mapie Polski, <i>mapa</i> - szkic jego granic.</p>\n" % len(D.PARKS)
               + table(["park krajobrazowy", "województwo", "rok", "pow. [ha]", "mapy"], rows))
    M.add_page(NP[52], "Parki krajobrazowe - spis wybranych obiektów",
               L(["[[pk:%s]] - %s" % (p[0], p[9]) for p in D.PARKS]))
    rows = [["[[ok:%s|%s]]" % (o[0], o[1]), o[2], str(o[3]), o[4], "[[ml:ok%s|położenie]]" % o[0]] for o in D.OCHK]
    M.add_page(NP[55], "Baza obszarów chronionego krajobrazu",
               "<p>Wybrane [[dic:ochk|obszary chronionego krajobrazu]].</p>\n" +
               table(["obszar", "województwo", "rok", "pow. [ha]", "mapa"], rows))
    M.add_page(NP[56], "Obszary chronionego krajobrazu - spis wybranych obiektów",
               L(["[[ok:%s]] - %s" % (o[0], o[7]) for o in D.OCHK]))


def species_pages(NP):
    def lst(sp, latin_first):
        s = sorted(sp, key=lambda x: x[1] if latin_first else x[0])
        return table(["nazwa łacińska", "nazwa polska"] if latin_first else ["nazwa polska", "nazwa łacińska"],
                     [["<i>%s</i>" % b, a] if latin_first else [a, "<i>%s</i>" % b] for a, b in s])
    intro_p = "<p>Wybrane gatunki roślin objęte ochroną gatunkową. Pełne listy zawierają rozporządzenia ministra właściwego do spraw środowiska.</p>\n"
    intro_a = "<p>Wybrane gatunki zwierząt objęte ochroną gatunkową.</p>\n"
    M.add_page(NP[76], "Rośliny chronione (1995) - spis polsko-łaciński", intro_p + lst(D.PLANTS, False))
    M.add_page(NP[77], "Rośliny chronione (1995) - spis łacińsko-polski", intro_p + lst(D.PLANTS, True))
    M.add_page(NP[81], "Charakterystyki roślin - spis polsko-łaciński", intro_p + lst(D.PLANTS[:12], False))
    M.add_page(NP[82], "Charakterystyki roślin - spis łacińsko-polski", intro_p + lst(D.PLANTS[:12], True))
    M.add_page(NP[85], "Zwierzęta chronione - lista gatunków (1995)", intro_a + lst(D.ANIMALS, False))
    M.add_page(NP[87], "Zwierzęta chronione - lista gatunków (2001)", intro_a + lst(D.ANIMALS, False) +
               "<p>Rozporządzenie z 2001 roku objęło ochroną m.in. wszystkie gatunki nietoperzy i płazów.</p>")
    M.add_page(NP[89], "Charakterystyki zwierząt - spis polsko-łaciński", intro_a + lst(D.ANIMALS, False))
    M.add_page(NP[90], "Charakterystyki zwierząt - spis łacińsko-polski", intro_a + lst(D.ANIMALS, True))
    M.add_page(NP[79], "Rośliny chronione - lista gatunków (2001)", intro_p + lst(D.PLANTS, False))


def biotope_pages(NP):
    M.add_page(NP[211], "Biotopy Polski - spis polsko-łaciński",
               "<p>Kliknięcie nazwy otwiera krótki opis biotopu w okienku słownika.</p>\n" +
               table(["biotop", "nazwa łacińska zbiorowiska", "kod"],
                     [["[[bio:%s|%s]]" % (b[0], b[1]), "<i>%s</i>" % b[2], b[3]] for b in sorted(D.BIOTOPES, key=lambda b: b[1])]))
    M.add_page(NP[212], "Biotopy Polski - spis łacińsko-polski",
               table(["nazwa łacińska", "biotop"],
                     [["<i>%s</i>" % b[2], "[[bio:%s|%s]]" % (b[0], b[1])] for b in sorted(D.BIOTOPES, key=lambda b: b[2])]))
    groups = {}
    for b in D.BIOTOPES:
        groups.setdefault(b[4], []).append(b)
    body = "<p>Charakterystyki wybranych biotopów, pogrupowane według typu siedliska.</p>\n"
    for g, bs in groups.items():
        body += "<h2>%s</h2>\n" % g + L(["[[bio:%s|%s]] - %s" % (b[0], b[1], b[6]) for b in bs])
    M.add_page(NP[213], "Biotopy Polski - charakterystyki wybranych obiektów", body)


def dict_index(NP):
    items = sorted(D.DICT, key=lambda d: d[1].lower())
    body = ("<p>Indeks haseł słownika. Każde hasło otwiera się w okienku słownika w prawym dolnym "
            "rogu ekranu; odnośniki w definicji prowadzą do kolejnych haseł, a przycisk "
            "<i>wstecz...</i> wraca do poprzedniego.</p>\n<p>" +
            " &middot; ".join("[[dic:%s|%s]]" % (k, h) for k, h, d in items) + "</p>\n"
            "<h2>Indeks biotopów</h2>\n<p>" +
            " &middot; ".join("[[bio:%s|%s]]" % (b[0], b[1]) for b in D.BIOTOPES) + "</p>\n")
    M.add_page(NP[224], "Słownik - indeksy wyszukiwawcze", body)


def act_type(t):
    tl = t.lower()
    if tl.startswith("ustawa"):
        return "ustawa"
    if tl.startswith("konwencja") or tl.startswith("porozumienie"):
        return "konwencja"
    if tl.startswith("dyrektywa"):
        return "dyrektywa"
    if tl.startswith("deklaracja") or tl.startswith("karta") or "karta" in tl.split()[0:2] or tl.startswith("światowa"):
        return "deklaracja"
    if tl.startswith("konstytucje"):
        return "konstytucja"
    return "rozporządzenie"


GENERIC_ACT = {
    "ustawa": ("Ustawa jest aktem prawnym najwyższej rangi po konstytucji. Określa zasady, formy "
               "i organy ochrony, a szczegóły pozostawia rozporządzeniom wykonawczym.",
               ["określa cele i zakres regulacji", "wskazuje organy właściwe w sprawach ochrony",
                "ustanawia zakazy i odstępstwa od nich", "zawiera przepisy karne i przejściowe"]),
    "rozporządzenie": ("Rozporządzenie jest aktem wykonawczym wydawanym na podstawie ustawy; "
                       "uszczegóławia jej przepisy i określa tryb postępowania.",
                       ["wydane na podstawie delegacji ustawowej", "określa szczegółowe zasady postępowania",
                        "wskazuje listy gatunków, obszarów lub czynności", "obowiązuje od dnia ogłoszenia lub wskazanej daty"]),
    "konwencja": ("Konwencja jest umową międzynarodową; państwa, które ją ratyfikowały, zobowiązują "
                  "się do wprowadzenia jej postanowień do prawa krajowego.",
                  ["określa cele współpracy międzynarodowej", "zawiera załączniki z listami gatunków lub obszarów",
                   "powołuje sekretariat i konferencję stron", "nakłada obowiązek składania raportów krajowych"]),
    "dyrektywa": ("Dyrektywa Unii Europejskiej wiąże państwa członkowskie co do celu, pozostawiając "
                  "wybór form i metod jego osiągnięcia prawu krajowemu.",
                  ["wskazuje gatunki i siedliska wymagające ochrony", "nakazuje wyznaczenie obszarów sieci [[dic:natura2000|Natura 2000]]",
                   "wymaga oceny wpływu przedsięwzięć na obszary chronione", "przewiduje monitoring i sprawozdawczość"]),
    "deklaracja": ("Deklaracja lub karta nie jest umową wiążącą prawnie, lecz zbiorem zasad, które "
                   "państwa i organizacje przyjmują jako wskazówki postępowania.",
                   ["formułuje zasady etyczne wobec przyrody", "wskazuje kierunki polityki państw",
                    "zachęca do współpracy międzynarodowej", "stała się podstawą późniejszych umów"]),
    "konstytucja": ("Konstytucje Rzeczypospolitej od 1921 roku w różny sposób odnosiły się do ochrony "
                    "zasobów naturalnych; Konstytucja z 1997 r. nakłada na władze obowiązek ochrony środowiska.",
                    ["art. 5 Konstytucji z 1997 r.: ochrona środowiska zgodnie z zasadą zrównoważonego rozwoju",
                     "art. 74: obowiązek władz publicznych dbania o bezpieczeństwo ekologiczne",
                     "art. 86: każdy jest obowiązany do dbałości o stan środowiska"]),
}


def act_pages(NP, leaves):
    for i in leaves:
        title = NP["text"][i]
        num = NP[i]
        typ = act_type(title)
        intro, points = GENERIC_ACT[typ]
        note = ACT_NOTES.get(i, "")
        topic = title if len(title) <= 110 else title[:107].rsplit(" ", 1)[0] + "..."
        body = ("<div class=ramka><b>Akt:</b> %s</div>\n" % title +
                ("<p>%s</p>\n" % note if note else "") +
                "<p>%s</p>\n" % intro +
                "<p>Omówienie najważniejszych postanowień zawiera [[page:%sa|druga strona]] tego tematu; "
                "pojęcia prawne wyjaśnia [[dic:ochrona_przyrody|słownik]].</p>\n" % num)
        M.add_page(num, topic, body)
        body = ("<div class=ramka><b>Akt:</b> %s</div>\n<h2>Najważniejsze postanowienia</h2>\n" % title +
                L(points) +
                "<p>Tekst aktu omówiono w skrócie; pełne brzmienie przepisów zawierają dzienniki "
                "urzędowe. Powrót do [[page:%s|omówienia aktu]] lub do [[node:119|spisu aktów prawnych]].</p>\n" % num)
        M.add_page(num + "a", topic + " - postanowienia", body)


def build(mod):
    global M
    M = mod
    NP = dict(mod.NODE_PAGE)
    NP["text"] = {i: mod.node_text(i) for i in range(len(mod.NODES))}
    province_pages()
    db_pages(NP)
    species_pages(NP)
    biotope_pages(NP)
    dict_index(NP)
    act_leaves = [i for i in mod.LEAVES if 121 <= i <= 193 and i not in (165, 166)]
    act_pages(NP, act_leaves)
    # hand-written texts of tree leaves
    for i, (topic, body) in TEXTS.items():
        if isinstance(i, int):
            mod.add_page(NP[i], topic or mod.node_topic(i), body)
    for name, (topic, body) in FIXED_TEXTS.items():
        mod.add_page(name, topic, body)
    # any remaining leaf gets a short page built from its place in the tree
    for i in mod.LEAVES:
        if NP[i] not in mod.PAGES:
            p = mod.parent(i)
            sib = [c for c in mod.children(p)] if p is not None else []
            body = ("<p>Strona działu <b>%s</b>. %s</p>\n" % (mod.node_text(p) if p is not None else "", GENERIC_LEAF) +
                    "<h3>W tym dziale</h3>\n" + L(["[[node:%d]]" % c for c in sib if mod.is_leaf(c)]))
            mod.add_page(NP[i], mod.node_topic(i), body)


GENERIC_LEAF = ("Zebrano tu podstawowe informacje na ten temat wraz z odnośnikami do haseł "
                "[[dic:ochrona_przyrody|słownika]] i opisów obiektów z baz danych płyty.")


def MENU_GROUPS(NP):
    from disc_texts import menu_groups
    return menu_groups(NP)

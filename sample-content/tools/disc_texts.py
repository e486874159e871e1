# -*- coding: utf-8 -*-
"""Hand-written texts of the Velmora demo disc (Polish), in the link markup
described in disc_pages.py."""

# ------------------------------------------------------------ fixed pages
FIXED_TEXTS = {}
TEXTS = {}

FIXED_TEXTS["799"] = ("Strona główna", """
<img class=ilustr src="../Foto/f0201.jpg" width=300 alt="Morskie Oko">
<p><b>Witamy w encyklopedii Velmora</b> - multimedialnym przewodniku po ochronie przyrody
w Polsce. Płyta opisuje formy ochrony przyrody, od [[dic:park_narodowy|parków narodowych]]
po [[dic:uzytek_ekologiczny|użytki ekologiczne]], przedstawia prawo ochrony przyrody, sieci
ekologiczne i warunki przyrodnicze kraju, a bazy danych zawierają opisy rezerwatów, parków
krajobrazowych, obszarów chronionego krajobrazu i elementów sieci [[dic:econet|ECONET-PL]].</p>
<p>Do poruszania się po płycie służą przyciski na prawym i dolnym pasku, menu z prawej strony,
[[tree:|spis treści w postaci drzewa]] oraz wyszukiwarka. Wyrazy podkreślone kropkami otwierają
okienko słownika z definicją.</p>

<h2>Na dobry początek</h2>
<ul>
<li>[[page:750|Wstęp]] - o płycie i o tym, jak z niej korzystać,</li>
<li>[[page:902|Formy ochrony przyrody]] w Polsce,</li>
<li>[[page:800|Mapy]] i [[page:914|województwa]],</li>
<li>[[page:drzewo.htm|mapa zawartości płyty]] (spis treści jako drzewo),</li>
<li>[[page:ramy.htm|płyta z dawnych lat]] - strony w ramkach, film i obraz w dawnych formatach.</li>
</ul>

<h2>Z baz danych</h2>
<div class=ramka>
<b>Rezerwat przyrody:</b> [[rp:108]] - najstarszy chroniony obiekt przyrodniczy na ziemiach polskich
([[ml:rp108|lokalizacja]], [[map:rp108|mapa]]).<br>
<b>Park krajobrazowy:</b> [[pk:12|Suwalski Park Krajobrazowy]] - pierwszy park krajobrazowy w Polsce
([[ml:pk12|lokalizacja]]); [[pk:11|Kazimierski Park Krajobrazowy]] ([[ml:pk11|położenie na mapie parków]]).<br>
<b>Obszar chronionego krajobrazu:</b> [[ok:55|OChK Beskidu Niskiego]].<br>
<b>Sieć ECONET-PL:</b> [[ec:20M]], [[ec:1m]].<br>
<b>Park narodowy:</b> [[pn:bialowieski|Białowieski Park Narodowy]] ([[ml:pnbialowieski|położenie]]).
</div>

<h2>Galeria</h2>
<div class=galeria>[[thumb:f0212|Żubr w zimowym lesie]][[thumb:f0222|Żurawie]][[thumb:f0225|Wydmy koło Łeby]][[thumb:f0241|Obuwik pospolity]]</div>
<p>Pokazy slajdów: [[ss:gory|Góry Polski]] &middot; [[ss:puszcza|Puszcze]] &middot; [[ss:ptaki|Ptaki mokradeł]]
&middot; [[ss:torfowiska|Torfowiska]]. Film: [[mv:bobry|Bobry nad rzeką]]. Animacja:
[[anim:lodowiec|jak lodowiec kształtował krajobraz]].</p>

<h2>Słownik i biotopy</h2>
<p>Przykładowe hasła: [[dic:rezerwat|rezerwat przyrody]], [[dic:torfowisko|torfowisko]],
[[dic:korytarz|korytarz ekologiczny]]; biotopy: [[bio:torf_wysokie|torfowisko wysokie]],
[[bio:buczyna_karpacka|buczyna karpacka]].</p>

<p class=stopka>[[trans:intro_en|English]] &middot; [[trans:intro_de|Deutsch]] &middot;
[[www:http://www.iucn.org/|IUCN w internecie]] &middot; kontakt z redakcją:
<a href="mailto:redakcja@velmora.example">redakcja@velmora.example</a></p>
""")

FIXED_TEXTS["750"] = ("Wstęp", """
<p>Przyroda Polski jest wyjątkowo różnorodna: od wydm i klifów nad Bałtykiem przez pojezierza,
niziny z dolinami wielkich rzek i puszcze, po wyżyny i góry z piętrem alpejskim w Tatrach. Wiele
ekosystemów, które w Europie Zachodniej zniknęły, przetrwało u nas w stanie bliskim naturalnemu:
[[dic:puszcza_bialowieska|Puszcza Białowieska]], bagna Biebrzy czy nieuregulowane odcinki Wisły i Bugu.</p>
<p>Płyta <b>Velmora</b> powstała, aby pokazać, jak tę przyrodę chronimy. Przedstawia formy ochrony
przewidziane w ustawie o ochronie przyrody, inne formy ochrony, prawo krajowe i międzynarodowe,
instytucje i organizacje oraz sieci ekologiczne. Dla uczniów, nauczycieli, studentów i pracowników
administracji przygotowano bazy danych obiektów chronionych, słownik pojęć, biotopy, mapy,
fotografie, pokazy slajdów i filmy.</p>
<h2>Jak korzystać z płyty</h2>
<p>Przyciski prawego paska otwierają główne działy. Menu pod nimi pokazuje strony związane z
bieżącą. Przycisk <b>Mapa CD</b> otwiera spis treści w postaci drzewa, a okienko <b>Szukaj</b>
przeszukuje teksty wszystkich stron i obu słowników. Szczegóły opisuje [[page:919|Pomoc]].</p>
<p>Wersje obcojęzyczne wstępu: [[trans:intro_en|English]], [[trans:intro_de|Deutsch]].</p>
""")

FIXED_TEXTS["749"] = ("Zawartość płyty", """
<p>Płyta zawiera następujące działy:</p>
<ul>
<li>[[node:9|Organizacja ochrony przyrody w Polsce]] i [[page:914|ochrona przyrody w województwach]],</li>
<li>[[page:902|formy ochrony przyrody]]: parki narodowe, rezerwaty, parki krajobrazowe, obszary chronionego krajobrazu, pomniki przyrody, ochrona gatunkowa,</li>
<li>[[node:98|inne formy ochrony]]: puszcze, leśne kompleksy promocyjne, ogrody botaniczne i zoologiczne,</li>
<li>[[page:471|prawo ochrony przyrody]] - ponad siedemdziesiąt aktów prawnych z omówieniami,</li>
<li>[[page:918|międzynarodową ochronę przyrody]] i [[page:230|sieci ekologiczne]],</li>
<li>[[page:921|warunki przyrodnicze]]: biotopy, klimat, gleby, geologia,</li>
<li>[[page:658|słownik]], [[page:757|bibliografię]] i [[page:903|galerię]].</li>
</ul>
<p>Bazy danych płyty obejmują 46 rezerwatów, 22 parki krajobrazowe, 12 obszarów chronionego
krajobrazu i 22 elementy sieci ECONET-PL; słownik liczy ponad 80 haseł, a zbiór biotopów 23 opisy.
Całość uzupełnia blisko 90 fotografii i rycin.</p>
""")

FIXED_TEXTS["32"] = ("Autorzy opracowań", """
<p>Teksty płyty przygotował zespół przyrodników, prawników i dydaktyków:</p>
<table class=dane>
<tr><th>autor</th><th>inicjały</th><th>opracowane działy</th></tr>
<tr><td>dr Anna Wrona</td><td>AW</td><td>rezerwaty przyrody, biotopy</td></tr>
<tr><td>mgr Piotr Zięba</td><td>PZ</td><td>parki krajobrazowe, obszary chronionego krajobrazu</td></tr>
<tr><td>dr Marta Kalinowska</td><td>MK</td><td>prawo ochrony przyrody</td></tr>
<tr><td>mgr Jan Nowicki</td><td>JN</td><td>sieci ekologiczne, ECONET-PL</td></tr>
<tr><td>Teresa Sosnowska</td><td>TS</td><td>słownik, ochrona gatunkowa</td></tr>
</table>
<p>Zobacz też: [[node:5|autorzy wg inicjałów]], [[node:6|autorzy fotografii]].</p>
""")

FIXED_TEXTS["925"] = ("Wydawca", """
<p>Wydawcą płyty jest <b>Pracownia Velmora</b>, zespół, który od lat przygotowuje materiały
edukacyjne o przyrodzie. Płyta jest wydaniem demonstracyjnym: zawiera wybór tekstów, baz danych
i ilustracji, które pokazują możliwości programu.</p>
<p>Adres korespondencyjny: Pracownia Velmora, skrytka pocztowa 12, 00-950 Warszawa.
Poczta elektroniczna: <a href="mailto:wydawca@velmora.example">wydawca@velmora.example</a>.</p>
""")

FIXED_TEXTS["926"] = ("Sponsor", """
<p>Wydanie płyty wsparł <b>Fundusz Edukacji Przyrodniczej</b>, który finansuje programy
edukacyjne szkół i organizacji pozarządowych. Dziękujemy za pomoc w przygotowaniu materiałów
i za udostępnienie fotografii z archiwum funduszu.</p>
<p>Więcej o programach edukacji przyrodniczej: [[node:28|instytucje związane z ochroną przyrody]].</p>
""")

FIXED_TEXTS["757"] = ("Bibliografia - pełna bibliografia płyty", """
<p>Najważniejsze źródła, z których korzystano przy opracowaniu płyty (wybór):</p>
<ul>
<li>Szafer W. (red.), <i>Ochrona przyrody i jej zasobów</i>, Kraków 1965.</li>
<li>Dobrowolski K. A., Lewandowski K., <i>Ochrona środowiska przyrodniczego</i>, Warszawa 1998.</li>
<li>Zarzycki K., Szeląg Z., <i>Czerwona lista roślin naczyniowych w Polsce</i>, Kraków 1992.</li>
<li>Głowaciński Z. (red.), <i>Polska czerwona księga zwierząt</i>, Warszawa 1992.</li>
<li>Liro A. (red.), <i>Koncepcja krajowej sieci ekologicznej ECONET-POLSKA</i>, Warszawa 1995.</li>
<li>Kondracki J., <i>Geografia regionalna Polski</i>, Warszawa 1998.</li>
<li>Matuszkiewicz W., <i>Przewodnik do oznaczania zbiorowisk roślinnych Polski</i>, Warszawa 2001.</li>
<li>Ochrona Środowiska. Rocznik statystyczny, GUS, Warszawa (kolejne roczniki).</li>
</ul>
<p>Zobacz też: [[node:227|źródła podstawowe]].</p>
""")

FIXED_TEXTS["919"] = ("Pomoc", """
<h2>Przyciski</h2>
<p>Dolny pasek: <b>Wstęp</b>, <b>Zawartość CD</b>, <b>Mapa CD</b> (spis treści jako drzewo),
<b>Autorzy</b>, <b>Wydawca</b>, <b>Sponsor</b>, <b>Bibliografia</b>, <b>Pomoc</b>, <b>Drukuj</b>,
okienko i przycisk <b>Szukaj</b>, <b>^</b> (na początek strony), <b>&lt;--</b> i <b>--&gt;</b>
(wstecz i dalej). Prawy pasek otwiera działy tematyczne; pod nim pojawia się menu bieżącej strony.</p>
<h2>Odnośniki</h2>
<ul>
<li>wyraz podkreślony kropkami otwiera okienko słownika, np. [[dic:ekosystem|ekosystem]];</li>
<li>nazwa obiektu otwiera jego opis z bazy danych, np. [[rp:124]];</li>
<li>odnośnik <i>lokalizacja</i> pokazuje położenie obiektu na mapie Polski, np. [[ml:rp124]];</li>
<li>miniatura fotografii otwiera ją w dużym formacie: [[sh:f0124|Jaskinia Raj]];</li>
<li>pokazy slajdów, filmy i animacje uruchamiają się w osobnych oknach: [[ss:mapy|ryciny]], [[mv:wydmy|ruchome wydmy]], [[anim:krazenie|krążenie wody]].</li>
</ul>
<h2>Wyszukiwanie</h2>
<p>Wpisz co najmniej dwie litery do okienka na dolnym pasku i naciśnij Enter. Lista wyników zawiera
hasła słownika, biotopy i strony, na których występuje szukany wyraz. Na wybranej stronie wyraz
odnajdziesz kombinacją klawiszy <i>Ctrl+F</i>.</p>
<h2>Brakujące pliki - przykłady</h2>
<p>Program informuje komunikatem <i>Brak pliku</i>, gdy odnośnik prowadzi do pliku, którego nie ma
na płycie. Poniższe odnośniki celowo prowadzą do nieistniejących plików:</p>
<ul>
<li>strona, której nie ma: [[page:998|strona 998]];</li>
<li>film, którego nie ma: [[mv:zubry|Żubry w Puszczy]];</li>
<li>animacja, której nie ma: [[anim:erozja|erozja wąwozu lessowego]];</li>
<li>tłumaczenie, którego strony nie ma (nic się nie dzieje): [[trans:intro_fr|Français]];</li>
<li>pokaz slajdów bez zdefiniowanych slajdów: [[ss:jaskinie|Jaskinie Polski]];</li>
<li>rezerwat bez mapy - blok mapy w opisie jest ukryty: [[rp:139]], [[rp:146]];
park krajobrazowy bez mapy: [[pk:30]]; położenie rezerwatu bez obrazka lokalizacji otwiera jego
mapę: [[ml:rp103]].</li>
</ul>
""")

FIXED_TEXTS["800"] = ("Mapy", """
<p>Mapy na płycie są dwojakiego rodzaju: <b>mapy obiektów</b> w dużej skali, pokazujące granice
rezerwatu, parku lub obszaru, oraz <b>mapy lokalizacji</b>, na których obiekt zaznaczono na tle
konturu Polski. Mapę obiektu otwiera się na całym ekranie, mapę lokalizacji w małym okienku.</p>
<h2>Mapy wybranych obiektów</h2>
<ul>
<li>[[map:rp108|Cisy Staropolskie]] &middot; [[map:rp126|Wąwóz Homole]] &middot; [[map:rp136|Stawy Milickie]] &middot; [[map:rp104|Jezioro Łuknajno]]</li>
<li>[[map:pk14|Park Krajobrazowy Orlich Gniazd]] &middot; [[map:pk22|Park Krajobrazowy Puszczy Knyszyńskiej]] &middot; [[map:pk13|Mazurski Park Krajobrazowy]]</li>
<li>[[map:ok55|OChK Beskidu Niskiego]] &middot; [[map:ok51|Warszawski OChK]]</li>
<li>[[map:pntatrzanski|Tatrzański Park Narodowy]] &middot; [[map:pnbialowieski|Białowieski Park Narodowy]]</li>
</ul>
<h2>Lokalizacje</h2>
<ul>
<li>rezerwaty: [[ml:rp101|Kępa Redłowska]], [[ml:rp117|Nietoperek]], [[ml:rp138|Śnieżnik Kłodzki]];</li>
<li>parki narodowe (mapa parków narodowych ze strzałką): [[ml:pnwolinski|Woliński]], [[ml:pnbieszczadzki|Bieszczadzki]], [[ml:pntatrzanski|Tatrzański]];</li>
<li>parki krajobrazowe: [[ml:pk23|Dolina Baryczy]], [[ml:pk17|Popradzki]];</li>
<li>obszary chronionego krajobrazu: [[ml:ok58|Doliny Bugu]].</li>
</ul>
<h2>Ryciny</h2>
<div class=galeria>[[thumb:m0251|Zasięg zlodowaceń]][[thumb:m0252|Parki narodowe Polski]][[thumb:m0253|Krainy geograficzne]]</div>
""")

FIXED_TEXTS["923"] = ("Obiekty opisywane na płycie", """
<p>Płyta opisuje obiekty chronione kilku rodzajów. Wybierz rodzaj, aby zobaczyć spis:</p>
<ul>
<li>[[node:40|parki narodowe]] - 23 parki z położeniem na mapie,</li>
<li>[[node:46|rezerwaty przyrody]] - także [[node:47|spis alfabetyczny]] i [[node:48|spis według rodzaju]],</li>
<li>[[node:51|parki krajobrazowe]],</li>
<li>[[node:55|obszary chronionego krajobrazu]],</li>
<li>[[page:901|elementy sieci ECONET-PL]].</li>
</ul>
<p>Przykłady: [[rp:110]], [[rp:136]], [[pk:17]], [[ok:61]], [[ec:22M]], [[ec:7m]], [[ec:14K]], [[ec:9k]].</p>
""")

FIXED_TEXTS["908"] = ("Bazy obiektów", """
<p>Bazy danych płyty są zapisane w tabelach, z których program w chwili wybrania odnośnika tworzy
strony z opisami obiektów. Każdy opis zawiera dane administracyjne, akt prawny, cel ochrony, opis
przyrody, mapę i fotografie, jeśli są dostępne.</p>
<table class=dane>
<tr><th>baza</th><th>liczba obiektów</th><th>przykład</th></tr>
<tr><td>[[node:46|rezerwaty przyrody]]</td><td>46</td><td>[[rp:104]]</td></tr>
<tr><td>[[node:51|parki krajobrazowe]]</td><td>22</td><td>[[pk:20]]</td></tr>
<tr><td>[[node:55|obszary chronionego krajobrazu]]</td><td>12</td><td>[[ok:53]]</td></tr>
<tr><td>[[page:901|sieć ECONET-PL]]</td><td>22</td><td>[[ec:25M]]</td></tr>
<tr><td>[[node:40|parki narodowe]]</td><td>23</td><td>[[pn:kampinoski|Kampinoski PN]]</td></tr>
</table>
""")

FIXED_TEXTS["914"] = ("Ochrona przyrody w województwach", """
<p>Od 1 stycznia 1999 roku Polska dzieli się na 16 województw. W każdym z nich ochroną przyrody
kierują wojewoda i wojewódzki konserwator przyrody. Wybierz województwo:</p>
<table class=dane>
<tr><td>[[node:11]]</td><td>[[node:12]]</td><td>[[node:13]]</td><td>[[node:14]]</td></tr>
<tr><td>[[node:15]]</td><td>[[node:16]]</td><td>[[node:17]]</td><td>[[node:18]]</td></tr>
<tr><td>[[node:19]]</td><td>[[node:20]]</td><td>[[node:21]]</td><td>[[node:22]]</td></tr>
<tr><td>[[node:23]]</td><td>[[node:24]]</td><td>[[node:25]]</td><td>[[node:26]]</td></tr>
</table>
<p>Rycina: [[sh:m0253|krainy geograficzne Polski]].</p>
""")

FIXED_TEXTS["902"] = ("Formy ochrony przyrody", """
<p>Ustawa o ochronie przyrody z 16 października 1991 roku wymienia następujące formy ochrony:</p>
<ul>
<li>[[node:39|parki narodowe]] - [[dic:park_narodowy|definicja]],</li>
<li>[[node:43|rezerwaty przyrody]] - [[dic:rezerwat|definicja]],</li>
<li>[[node:50|parki krajobrazowe]] - [[dic:park_krajobrazowy|definicja]],</li>
<li>[[node:54|obszary chronionego krajobrazu]] - [[dic:ochk|definicja]],</li>
<li>[[node:58|pomniki przyrody]], [[node:63|stanowiska dokumentacyjne]], [[node:66|użytki ekologiczne]], [[node:69|zespoły przyrodniczo-krajobrazowe]],</li>
<li>[[node:73|ochronę gatunkową roślin]] i [[node:84|zwierząt]].</li>
</ul>
<p>Parki narodowe, rezerwaty, parki krajobrazowe i obszary chronionego krajobrazu tworzą razem
krajowy system obszarów chronionych, który zajmuje około jednej trzeciej powierzchni kraju.</p>
""")

FIXED_TEXTS["471"] = ("Prawo ochrony przyrody - wprowadzenie", """
<p>Pierwsze przepisy chroniące przyrodę na ziemiach polskich pojawiły się już w średniowieczu:
Statuty Wiślickie z 1347 roku chroniły bobry i sokoły, a w 1423 roku Władysław Jagiełło objął
ochroną [[dic:cis|cis]]. Nowoczesne prawo ochrony przyrody zaczyna się od
[[node:128|ustawy z 10 marca 1934 roku]], pierwszej takiej ustawy w Polsce.</p>
<p>Po wojnie obowiązywała [[node:141|ustawa z 7 kwietnia 1949 roku]], a od 1992 roku
[[node:152|ustawa z 16 października 1991 roku]], wielokrotnie nowelizowana. Dział zawiera
[[node:121|teksty aktów prawnych]], akty tworzenia [[node:136|pierwszych parków narodowych]] i
[[node:175|dokumenty międzynarodowe]].</p>
""")

FIXED_TEXTS["244"] = ("Organizacja ochrony przyrody w Polsce", """
<p>Ochroną przyrody w Polsce kierują organy administracji rządowej: minister właściwy do spraw
środowiska z Głównym Konserwatorem Przyrody oraz wojewodowie z wojewódzkimi konserwatorami
przyrody. Organem opiniodawczym jest <b>Państwowa Rada Ochrony Przyrody</b>, której tradycja
sięga 1919 roku ([[dic:prop|PROP]]).</p>
<p>Parkami narodowymi zarządzają ich dyrektorzy, parkami krajobrazowymi - dyrekcje zespołów
parków. Ważną rolę odgrywają Lasy Państwowe, na których gruntach leży większość rezerwatów,
oraz organizacje społeczne, jak Liga Ochrony Przyrody czy Polski Klub Ekologiczny.</p>
<p>Zobacz też: [[node:28|instytucje]], [[node:29|adresy parków narodowych]].</p>
""")

FIXED_TEXTS["918"] = ("Międzynarodowa ochrona przyrody", """
<p>Przyroda nie zna granic państwowych, dlatego jej ochrona wymaga współpracy międzynarodowej.
Polska jest stroną najważniejszych konwencji przyrodniczych: [[dic:ramsar|ramsarskiej]],
berneńskiej, bońskiej, waszyngtońskiej (CITES) i o różnorodności biologicznej.</p>
<ul>
<li>[[node:195|sieci ekologiczne]] - [[page:230|przegląd]],</li>
<li>[[node:202|rezerwaty biosfery MaB]] - [[dic:mab|definicja]],</li>
<li>[[node:204|kategorie obszarów chronionych IUCN]],</li>
<li>[[node:205|UNEP]] i [[node:206|UNESCO]],</li>
<li>[[node:207|międzynarodowy status polskich obszarów chronionych]].</li>
</ul>
<p>Strony organizacji: [[www:http://www.unesco.org/|UNESCO]], [[www:http://www.ramsar.org/|Konwencja Ramsarska]].</p>
""")

FIXED_TEXTS["230"] = ("Sieci ekologiczne", """
<p>Sieć ekologiczna to system obszarów o wysokich walorach przyrodniczych ([[dic:obszar_wezlowy|obszarów węzłowych]])
połączonych [[dic:korytarz|korytarzami ekologicznymi]]. Pozwala ona zachować łączność populacji
roślin i zwierząt w krajobrazie przekształconym przez człowieka.</p>
<ul>
<li>[[node:196|CORINE]] - program inwentaryzacji biotopów,</li>
<li>[[node:197|EECONET]] - europejska sieć ekologiczna,</li>
<li>[[page:901|ECONET-PL]] - krajowa sieć ekologiczna,</li>
<li>[[node:199|EMERALD]], [[node:200|NATURA 2000]], [[node:201|PEEN]].</li>
</ul>
""")

FIXED_TEXTS["901"] = ("ECONET-PL", """
<p><b>ECONET-PL</b> to koncepcja krajowej sieci ekologicznej opracowana w latach 1993-1995 przez
zespół Fundacji IUCN Poland. Sieć tworzą obszary węzłowe o znaczeniu międzynarodowym (oznaczone
literą M) i krajowym (K) oraz korytarze ekologiczne międzynarodowe (m) i krajowe (k).</p>
<h2>Obszary węzłowe</h2>
<p>Międzynarodowe: [[ec:2M]], [[ec:5M]], [[ec:10M]], [[ec:12M]], [[ec:16M]], [[ec:20M]], [[ec:22M]], [[ec:25M]].<br>
Krajowe: [[ec:6K]], [[ec:14K]], [[ec:18K]], [[ec:24K]], [[ec:27K]], [[ec:30K]].</p>
<h2>Korytarze ekologiczne</h2>
<p>Międzynarodowe: [[ec:1m]], [[ec:3m]], [[ec:4m]], [[ec:7m]].<br>
Krajowe: [[ec:9k]], [[ec:11k]], [[ec:13k]], [[ec:15k]].</p>
<p>Zobacz też: [[dic:econet|ECONET-PL w słowniku]], [[trans:econet_en|English summary]].</p>
""")

FIXED_TEXTS["921"] = ("Warunki przyrodnicze", """
<p>Polska leży w strefie klimatu umiarkowanego przejściowego, na styku wpływów oceanicznych i
kontynentalnych. Rzeźbę kraju ukształtowały w większości [[dic:zlodowacenie|zlodowacenia]]
plejstoceńskie; na południu wznoszą się wyżyny i góry - Sudety i Karpaty.</p>
<ul>
<li>[[node:210|biotopy Polski]] i ich [[node:211|spis]],</li>
<li>[[node:215|klimat]] i [[node:216|piętra klimatyczne]],</li>
<li>[[node:217|gleby]], [[node:219|geologia]], [[node:220|zlodowacenia]], [[node:221|tabela stratygraficzna]].</li>
</ul>
<p>Animacje: [[anim:lodowiec|zlodowacenie]], [[anim:krazenie|krążenie wody w przyrodzie]], [[anim:sukcesja|zarastanie jeziora]].</p>
""")

FIXED_TEXTS["922"] = ("Historia ochrony przyrody", """
<p>Dzieje ochrony przyrody w Polsce sięgają średniowiecza, ale jej nowoczesne formy powstały na
przełomie XIX i XX wieku. W 1919 roku powołano Tymczasową Państwową Komisję Ochrony Przyrody,
przekształconą w 1920 roku w Państwową Radę Ochrony Przyrody z [[dic:szafer|Władysławem Szaferem]]
na czele. W 1932 roku utworzono pierwsze parki narodowe: w [[dic:pieniny|Pieninach]] i w Białowieży.</p>
<ul><li>[[node:34|na świecie]]</li><li>[[node:35|w Polsce]]</li></ul>
""")

FIXED_TEXTS["920"] = ("Statystyka", """
<p>Obszary prawnie chronione zajmują w Polsce około 32 procent powierzchni kraju (stan na koniec 2000 roku).</p>
<table class=dane>
<tr><th>forma ochrony</th><th>liczba</th><th>powierzchnia [tys. ha]</th><th>% pow. kraju</th></tr>
<tr><td>parki narodowe</td><td>23</td><td>314</td><td>1,0</td></tr>
<tr><td>rezerwaty przyrody</td><td>1307</td><td>149</td><td>0,5</td></tr>
<tr><td>parki krajobrazowe</td><td>120</td><td>2 520</td><td>8,1</td></tr>
<tr><td>obszary chronionego krajobrazu</td><td>ok. 400</td><td>7 000</td><td>22,4</td></tr>
<tr><td>pomniki przyrody</td><td>ok. 33 000</td><td>-</td><td>-</td></tr>
<tr><td>użytki ekologiczne</td><td>ok. 6 000</td><td>35</td><td>0,1</td></tr>
</table>
<p>Źródło: Ochrona Środowiska, GUS. Liczby zaokrąglono.</p>
""")

FIXED_TEXTS["903"] = ("Galeria - album fotograficzny", """
<p>Album zawiera fotografie z parków narodowych, rezerwatów i parków krajobrazowych. Kliknij
miniaturę, aby zobaczyć zdjęcie w dużym formacie z opisem i nazwiskiem autora.</p>
<h2>Góry</h2>
<div class=galeria>[[thumb:f0201|Morskie Oko]][[thumb:f0202|Hala Gąsienicowa]][[thumb:f0203|Połonina Wetlińska]][[thumb:f0204|Babia Góra]][[thumb:f0205|Trzy Korony]][[thumb:f0206|Śnieżka]]</div>
<p>[[ss:gory|Pokaz slajdów: Góry Polski]]</p>
<h2>Puszcze i lasy</h2>
<div class=galeria>[[thumb:f0211|Białowieża]][[thumb:f0212|Żubr]][[thumb:f0213|Puszcza Jodłowa]][[thumb:f0214|Buczyna]][[thumb:f0215|Kampinos]]</div>
<p>[[ss:puszcza|Pokaz slajdów: Puszcze]]</p>
<h2>Mokradła i ptaki</h2>
<div class=galeria>[[thumb:f0221|Bocian]][[thumb:f0222|Żurawie]][[thumb:f0223|Biebrza]][[thumb:f0224|Czapla]][[thumb:f0225|Wydmy]][[thumb:f0231|Torfowisko]][[thumb:f0232|Wełnianka]][[thumb:f0233|Bagno Ławki]][[thumb:f0234|Rosiczka]]</div>
<p>[[ss:ptaki|Pokaz slajdów: Ptaki mokradeł]] &middot; [[ss:torfowiska|Pokaz slajdów: Torfowiska]]</p>
<h2>Rośliny i skały</h2>
<div class=galeria>[[thumb:f0241|Obuwik]][[thumb:f0242|Łąka]][[thumb:f0243|Murawa]][[thumb:f0244|Jaskinia]]</div>
<p>Zobacz też: [[node:229|animacje]], [[node:231|filmy]].</p>
""")

FIXED_TEXTS["658"] = ("Słownik - wprowadzenie", """
<p>Słownik płyty zawiera ponad 80 haseł z zakresu ochrony przyrody, ekologii, geologii i
prawa, a osobny słownik biotopów - opisy najważniejszych typów siedlisk Polski. Hasła otwierają
się w małym okienku, które można przesuwać, chwytając jego górny pasek. Odnośniki w definicji
prowadzą do kolejnych haseł; przycisk <i>wstecz...</i> wraca do poprzedniego hasła.</p>
<p>Przykłady: [[dic:park_narodowy|park narodowy]], [[dic:bioroznorodnosc|różnorodność biologiczna]],
[[dic:zlodowacenie|zlodowacenie]], [[bio:bor_bagienny|bór bagienny]], [[bio:wydma_bialo|wydma biała]].
Pełny spis haseł zawiera [[node:224|indeks]].</p>
""")

FIXED_TEXTS["drzewo.htm"] = ("Mapa CD - spis treści", """
<p>Spis treści płyty w postaci drzewa. Kliknij nazwę działu, aby go rozwinąć, a nazwę strony,
aby ją otworzyć. Spis zamyka się sam po otwarciu wybranej strony.</p>
""")

FIXED_TEXTS["751"] = ("Introduction (English)", """
<p><b>Velmora</b> is a multimedia encyclopedia of nature protection in Poland. It presents the
forms of nature protection defined by Polish law - national parks, nature reserves, landscape
parks, protected landscape areas, nature monuments and species protection - together with the
law, the institutions, the ecological networks and the natural conditions of the country.</p>
<p>The databases describe selected reserves, landscape parks, protected landscape areas and the
elements of the ECONET-PL ecological network. The texts are in Polish; this page is a short
summary. Back to the [[page:750|Polish introduction]].</p>
""")
FIXED_TEXTS["752"] = ("Einführung (Deutsch)", """
<p><b>Velmora</b> ist eine multimediale Enzyklopädie des Naturschutzes in Polen. Sie stellt
Nationalparks, Naturschutzgebiete, Landschaftsparks und Landschaftsschutzgebiete vor, dazu das
Naturschutzrecht, die Institutionen und das ökologische Netz ECONET-PL. Zurück zur
[[page:750|polnischen Einführung]].</p>
""")
FIXED_TEXTS["753"] = ("National parks of Poland (English)", """
<p>Poland has 23 national parks covering about one per cent of the country. The oldest, the
Pieniny and Białowieża national parks, were established in 1932. Białowieża Forest is a World
Heritage Site. See the [[node:40|national park database]].</p>
""")
FIXED_TEXTS["754"] = ("ECONET-PL (English summary)", """
<p>ECONET-PL is the national ecological network of Poland: core areas of international (M) and
national (K) importance linked by ecological corridors (m, k). Back to [[page:901|ECONET-PL]].</p>
""")

# ----------------------------------------------------------- tree leaves
T = TEXTS
T[2] = ("Podziękowania", """
<p>Dziękujemy dyrekcjom parków narodowych i krajobrazowych, nadleśnictwom, regionalnym
konserwatorom przyrody i muzeom przyrodniczym za udostępnienie materiałów i konsultacje.
Szczególne podziękowania kierujemy do autorów fotografii ([[node:6|spis]]) oraz do nauczycieli,
którzy testowali wersję próbną płyty w swoich szkołach.</p>""")
T[5] = ("Autorzy wg inicjałów", """
<table class=dane><tr><th>inicjały</th><th>autor</th></tr>
<tr><td>AW</td><td>Anna Wrona</td></tr><tr><td>JN</td><td>Jan Nowicki</td></tr>
<tr><td>MK</td><td>Marta Kalinowska</td></tr><tr><td>PZ</td><td>Piotr Zięba</td></tr>
<tr><td>TS</td><td>Teresa Sosnowska</td></tr></table>
<p>Inicjały autora podano pod każdym tekstem działu. Zob. też [[page:32|autorzy opracowań]].</p>""")
T[6] = ("Autorzy fotografii", """
<p>Fotografie wykonali: Jan Nowicki, Anna Wrona, Marta Kalinowska, Piotr Zięba, Krzysztof
Borowiec, Teresa Sosnowska i Adam Jarzębski. Nazwisko autora podano w opisie każdego zdjęcia
w dużym formacie, np. [[sh:f0212|żubr]] lub [[sh:f0101|Kępa Redłowska]]. Ryciny (mapy i
schematy) opracowała redakcja.</p>""")
T[7] = ("Redakcja", """<p>Redakcja merytoryczna: Anna Wrona, Marta Kalinowska. Korekta: Teresa
Sosnowska. Konsultacja prawna: Marta Kalinowska. Opracowanie map: Jan Nowicki.</p>""")
T[8] = ("Opracowanie informatyczne", """<p>Program przeglądarki, bazy danych, generator stron i
ilustracje przygotował zespół informatyczny pracowni. Strony płyty zapisano w języku HTML, bazy
danych w plikach tekstowych rozdzielanych średnikami, dzięki czemu można je łatwo aktualizować.</p>""")
T[28] = ("Instytucje związane z ochroną przyrody", """
<ul>
<li>Ministerstwo Środowiska - Departament Ochrony Przyrody, Warszawa,</li>
<li>Państwowa Rada Ochrony Przyrody, Warszawa,</li>
<li>Instytut Ochrony Przyrody PAN, Kraków,</li>
<li>Instytut Ochrony Środowiska, Warszawa,</li>
<li>Generalna Dyrekcja Lasów Państwowych, Warszawa,</li>
<li>Liga Ochrony Przyrody, Zarząd Główny, Warszawa.</li>
</ul>
<p>Zobacz też: [[page:244|organizacja ochrony przyrody]].</p>""")
T[29] = ("Adresy parków narodowych", """
<p>Dyrekcje parków narodowych mieszczą się zwykle w miejscowościach położonych w parku lub przy
jego granicy, np. Białowieski PN - Białowieża, Tatrzański PN - Zakopane, Słowiński PN - Smołdzino,
Kampinoski PN - Izabelin, Biebrzański PN - Osowiec-Twierdza. Spis parków: [[node:40|baza parków narodowych]].</p>""")
T[30] = ("Adresy parków krajobrazowych i zespołów PK", """
<p>Parkami krajobrazowymi zarządzają dyrekcje parków lub zespołów parków krajobrazowych
województwa, np. Zespół Parków Krajobrazowych Województwa Śląskiego czy Pomorski Zespół Parków
Krajobrazowych. Jednostkę zarządzającą podaje opis każdego parku, np. [[pk:21]].</p>""")
T[31] = ("Adresy internetowe (ważniejsze)", """
<ul>
<li>[[www:http://www.iucn.org/|Międzynarodowa Unia Ochrony Przyrody (IUCN)]]</li>
<li>[[www:http://www.unep.org/|Program Środowiskowy ONZ (UNEP)]]</li>
<li>[[www:http://www.ramsar.org/|Konwencja Ramsarska]]</li>
<li>[[www:http://www.unesco.org/mab/|Program MaB UNESCO]]</li>
</ul>""")
T[32] = ("Internetowe źródła informacji prawnej o środowisku", """
<p>Teksty ustaw i rozporządzeń publikują Dziennik Ustaw i Monitor Polski; prawo Unii Europejskiej
- Dziennik Urzędowy Wspólnot Europejskich. Omówienia aktów zawiera dział [[page:471|prawo ochrony przyrody]].</p>
<p>[[www:http://eur-lex.europa.eu/|Prawo Unii Europejskiej w internecie]]</p>""")
T[34] = ("Dzieje ochrony przyrody na świecie", """
<p>W 1872 roku w Stanach Zjednoczonych utworzono pierwszy na świecie park narodowy - Yellowstone.
W Europie pierwsze parki narodowe powstały w Szwecji w 1909 roku. W 1948 roku założono
Międzynarodową Unię Ochrony Przyrody ([[dic:iucn|IUCN]]), a w 1972 roku w Sztokholmie odbyła
się pierwsza konferencja ONZ poświęcona środowisku człowieka.</p>""")
T[35] = ("Dzieje ochrony przyrody w Polsce", """
<p>Już w XIV wieku Statuty Wiślickie chroniły bobry, a w 1423 roku król Władysław Jagiełło zakazał
wycinania cisów. W XIX wieku Towarzystwo Tatrzańskie doprowadziło do uchwalenia przez Sejm
Krajowy we Lwowie ustawy o ochronie kozic i świstaków (1868). W okresie międzywojennym działała
Państwowa Rada Ochrony Przyrody, a w 1934 roku uchwalono pierwszą ustawę o ochronie przyrody.
Po wojnie powstało kolejno 23 parki narodowe; ostatni - [[pn:ujscie_warty|Ujście Warty]] - w 2001 roku.</p>
<div class=galeria>[[thumb:f0205|Trzy Korony]]</div>""")
T[39] = ("Parki narodowe - wprowadzenie", """
<img class=ilustr src="../Foto/f0211.jpg" width=220 alt="">
<p>[[dic:park_narodowy|Park narodowy]] obejmuje obszar wyróżniający się szczególnymi wartościami
przyrodniczymi, naukowymi, społecznymi, kulturowymi i edukacyjnymi, o powierzchni nie mniejszej
niż 1000 ha, na którym ochronie podlega cała przyroda i walory krajobrazowe.</p>
<p>W Polsce istnieją 23 parki narodowe. Najstarsze to [[pn:pieninski|Pieniński]] i
[[pn:bialowieski|Białowieski]] (1932), największy - [[pn:biebrzanski|Biebrzański]], najmniejszy -
[[pn:ojcowski|Ojcowski]]. Część obszaru parków objęta jest [[dic:ochrona_scisla|ochroną ścisłą]],
część [[dic:ochrona_czynna|czynną]] lub krajobrazową.</p>
<p>Położenie wszystkich parków pokazuje [[node:40|baza parków narodowych]] i rycina [[sh:m0252|parki narodowe Polski]].</p>""")
T[41] = ("Parki narodowe w Europie", """
<p>Pierwsze europejskie parki narodowe powstały w Szwecji (1909) i Szwajcarii (1914). Obecnie w
Europie jest ich kilkaset. Z polskimi parkami graniczą parki sąsiednich państw, tworząc parki
transgraniczne: Tatry (z TANAP na Słowacji), Pieniny, Karkonosze (z KRNAP w Czechach), Bieszczady
(Międzynarodowy Rezerwat Biosfery Karpaty Wschodnie) i Puszcza Białowieska.</p>""")
T[43] = ("Rezerwaty przyrody - wprowadzenie", """
<p>[[dic:rezerwat|Rezerwat przyrody]] to obszar obejmujący zachowane w stanie naturalnym lub mało
zmienionym ekosystemy, siedliska roślin i zwierząt albo twory przyrody nieożywionej. W Polsce jest
ponad 1300 rezerwatów, a ich łączna powierzchnia przekracza 140 tysięcy hektarów.</p>
<p>Rezerwaty tworzy wojewoda w drodze rozporządzenia. W rezerwacie obowiązuje szereg zakazów, m.in.
zakaz budowy, polowania, zbioru roślin i poruszania się poza wyznaczonymi szlakami.</p>
<p>Przykłady: [[rp:104]] (obszar [[dic:ramsar|ramsarski]]), [[rp:117]], [[rp:123]].
Baza: [[node:46|rezerwaty przyrody]].</p>""")
T[44] = ("Klasyfikacja rezerwatów", """
<p>Ze względu na przedmiot ochrony wyróżnia się rezerwaty: leśne, torfowiskowe, wodne, florystyczne,
faunistyczne, stepowe, słonoroślowe, krajobrazowe i przyrody nieożywionej. Ze względu na sposób
ochrony - rezerwaty ścisłe i częściowe.</p>
<table class=dane><tr><th>rodzaj</th><th>przykład</th></tr>
<tr><td>leśny</td><td>[[rp:108]]</td></tr><tr><td>faunistyczny</td><td>[[rp:136]]</td></tr>
<tr><td>torfowiskowy</td><td>[[rp:144]]</td></tr><tr><td>stepowy</td><td>[[rp:143]]</td></tr>
<tr><td>florystyczny</td><td>[[rp:116]]</td></tr><tr><td>krajobrazowy</td><td>[[rp:126]]</td></tr>
<tr><td>przyrody nieożywionej</td><td>[[rp:115]]</td></tr></table>""")
T[45] = ("Propozycja nowej klasyfikacji rezerwatów", """
<p>Dotychczasowa klasyfikacja łączy kryterium przedmiotu ochrony z kryterium sposobu ochrony.
Proponowana klasyfikacja opiera się na typie dominującego [[dic:ekosystem|ekosystemu]] i na
głównym przedmiocie ochrony, co ułatwia porównania i planowanie sieci rezerwatów w skali kraju.</p>""")
T[50] = ("Parki krajobrazowe - wprowadzenie", """
<p>[[dic:park_krajobrazowy|Park krajobrazowy]] obejmuje obszar chroniony ze względu na wartości
przyrodnicze, historyczne i kulturowe. Pierwszy, [[pk:12|Suwalski]], utworzono w 1976 roku.
Obecnie jest ich ponad 120. Gospodarka na terenie parku jest dozwolona, ale podporządkowana celom
ochrony krajobrazu.</p>
<p>Zobacz: [[node:51|baza parków krajobrazowych]], [[ml:pk12|położenie Suwalskiego PK]].</p>""")
T[54] = ("Obszary chronionego krajobrazu - wprowadzenie", """
<p>[[dic:ochk|Obszar chronionego krajobrazu]] obejmuje tereny chronione ze względu na wyróżniający
się krajobraz o zróżnicowanych ekosystemach, wartościowe ze względu na możliwość zaspokajania
potrzeb związanych z turystyką i wypoczynkiem lub pełnioną funkcją korytarzy ekologicznych.
Przykład: [[ok:61]].</p>""")
T[58] = ("Pomniki przyrody - wprowadzenie", """
<p>[[dic:pomnik_przyrody|Pomnikami przyrody]] są pojedyncze twory przyrody żywej i nieożywionej o
szczególnej wartości: sędziwe drzewa, krzewy, źródła, wodospady, skałki, jaskinie i
[[dic:glaz_narzutowy|głazy narzutowe]]. W Polsce jest ich ponad 30 tysięcy.</p>""")
T[59] = ("Pomniki przyrody - spis wybranych obiektów", """
<table class=dane><tr><th>pomnik</th><th>miejsce</th></tr>
<tr><td>dąb Bartek</td><td>Zagnańsk, świętokrzyskie</td></tr>
<tr><td>cis Henrykowski</td><td>Henryków Lubański, dolnośląskie</td></tr>
<tr><td>głaz Trygław</td><td>Tychowo, zachodniopomorskie</td></tr>
<tr><td>Maczuga Herkulesa</td><td>Pieskowa Skała, małopolskie</td></tr>
<tr><td>lipa w Cielętnikach</td><td>Cielętniki, śląskie</td></tr></table>""")
T[60] = ("Obwody pierśnicowe drzew i krzewów", """
<p>Za pomnik przyrody uznaje się zwykle drzewa o obwodzie pnia mierzonym na wysokości 130 cm (pierśnica)
przekraczającym wartości podane dla gatunku, np. dąb szypułkowy - 330 cm, buk - 300 cm, lipa - 300 cm,
sosna - 250 cm, cis - 100 cm.</p>""")
T[61] = ("Najgrubsze i najstarsze dęby w Polsce", """
<p>Najsłynniejszym polskim dębem jest <b>Bartek</b> w Zagnańsku, którego wiek szacuje się na około
650 lat. Inne znane dęby to Chrobry w Piotrowicach, Józef na Mierzei Wiślanej i Wojciech w Jankowicach.</p>""")
T[63] = ("Stanowiska dokumentacyjne - wprowadzenie", """
<p>[[dic:stanowisko_dok|Stanowiska dokumentacyjne]] chronią miejsca ważne dla nauki: odsłonięcia
skał, skamieniałości, jaskinie i formy krasowe. Są ważne dla geologów i paleontologów.</p>""")
T[64] = ("Stanowiska dokumentacyjne - spis wybranych obiektów", """
<p>Przykłady: kamieniołom Wietrznia w Kielcach (wapienie dewońskie), Zachełmie w Górach Świętokrzyskich
(tropy najstarszych czworonogów), odsłonięcia w dolinie Nidy.</p>""")
T[66] = ("Użytki ekologiczne - wprowadzenie", """
<p>[[dic:uzytek_ekologiczny|Użytki ekologiczne]] to pozostałości ekosystemów mających znaczenie dla
zachowania różnorodności biologicznej: oczka wodne, [[dic:starorzecze|starorzecza]], kępy drzew,
bagna, wydmy i siedliska przyrodnicze.</p>""")
T[67] = ("Użytki ekologiczne - spis wybranych obiektów", """
<p>Przykłady: oczka wodne na Pojezierzu Mazurskim, torfowiska przejściowe na Kaszubach, murawy
kserotermiczne w dolinie Odry, starorzecza Wisły pod Warszawą.</p>""")
T[69] = ("Zespoły przyrodniczo-krajobrazowe - wprowadzenie", """
<p>[[dic:zespol_pk|Zespół przyrodniczo-krajobrazowy]] chroni fragment krajobrazu naturalnego lub
kulturowego ze względu na walory widokowe lub estetyczne.</p>""")
T[70] = ("Zespoły przyrodniczo-krajobrazowe - spis wybranych obiektów", """
<p>Przykłady: Morysin w Warszawie, Dolina Wiercicy, Góra Chełmska koło Koszalina.</p>""")
T[73] = ("Ochrona roślin naczyniowych", """
<p>[[dic:ochrona_gatunkowa|Ochrona gatunkowa]] roślin obejmuje gatunki rzadkie, zagrożone i
[[dic:endemit|endemiczne]]. Pierwszą listę roślin chronionych ogłoszono w 1946 roku. Przykładowe
gatunki: [[dic:obuwik|obuwik pospolity]], [[dic:szarotka|szarotka]], [[dic:sniezyca|śnieżyca wiosenna]].</p>
<div class=galeria>[[thumb:f0241|Obuwik]][[thumb:f0234|Rosiczka]]</div>""")
T[74] = ("Ochrona porostów", """
<p>Porosty są wrażliwymi wskaźnikami czystości powietrza. Ochroną objęto wiele gatunków, zwłaszcza
porosty nadrzewne dużych rozmiarów, jak granicznik płucnik i brodaczki.</p>""")
T[78] = ("Rozporządzenie o ochronie gatunkowej roślin (1995)", """
<p>Rozporządzenie Ministra Ochrony Środowiska, Zasobów Naturalnych i Leśnictwa z 6 kwietnia 1995 r.
wymieniało gatunki chronione ściśle i częściowo oraz zasady ich ochrony. Zob. [[node:157|omówienie aktu]].</p>""")
T[84] = ("Ochrona zwierząt - wprowadzenie", """
<p>Ochroną gatunkową objęto w Polsce większość dziko żyjących kręgowców oraz wiele bezkręgowców.
Szczególną troską otacza się gatunki zagrożone, jak [[dic:zubr|żubr]], [[dic:rys|ryś]],
[[dic:wilk|wilk]], [[dic:bielik|bielik]] i [[dic:wodniczka|wodniczka]].</p>
<div class=galeria>[[thumb:f0212|Żubr]][[thumb:f0221|Bocian biały]]</div>""")
T[86] = ("Rozporządzenie o ochronie gatunkowej zwierząt (1995)", """
<p>Rozporządzenie z 6 stycznia 1995 r. wymieniało gatunki zwierząt chronionych i zakazy wobec nich,
np. zakaz zabijania, chwytania, niszczenia gniazd i nor. Zob. [[node:155|omówienie aktu]].</p>""")
T[92] = ("Czerwone Księgi i Czerwone Listy", """
<p>[[dic:czerwona_ksiega|Czerwone księgi]] opisują gatunki zagrożone wyginięciem. W Polsce wydano
Polską czerwoną księgę zwierząt (1992) i Polską czerwoną księgę roślin (1993).</p>""")
T[93] = ("Kategorie zagrożenia", """
<table class=dane><tr><th>symbol</th><th>kategoria</th></tr>
<tr><td>EX</td><td>gatunki wymarłe</td></tr><tr><td>E</td><td>wymierające</td></tr>
<tr><td>V</td><td>narażone</td></tr><tr><td>R</td><td>rzadkie</td></tr>
<tr><td>I</td><td>o nieokreślonym zagrożeniu</td></tr></table>""")
T[94] = ("Gatunki specjalnej troski", """
<p>Gatunki specjalnej troski to takie, dla których Polska ponosi szczególną odpowiedzialność w
skali Europy, np. [[dic:wodniczka|wodniczka]], orlik krzykliwy, [[dic:bocian|bocian biały]].</p>""")
T[95] = ("Lista roślin naczyniowych zagrożonych w Polsce", """
<p>Lista obejmuje ponad 400 gatunków, m.in. warzuchę polską, lobelię jeziorną, [[dic:brzoza_niska|brzozę niską]] i kłoć wiechowatą.</p>""")
T[96] = ("Lista kręgowców zagrożonych w Polsce", """
<p>Wśród zagrożonych kręgowców są m.in. głuszec, cietrzew, [[dic:wodniczka|wodniczka]], żółw błotny i podkowiec mały.</p>""")
T[98] = ("Puszcze Polski", """
<p>Największe [[dic:puszcza|puszcze]] Polski to Puszcza Białowieska, Knyszyńska, Augustowska,
Piska, Kampinoska, Kozienicka, Notecka, Bory Tucholskie i Puszcza Sandomierska.</p>
<div class=galeria>[[thumb:f0211|Białowieża]][[thumb:f0215|Kampinos]]</div>
<p>[[ss:puszcza|Pokaz slajdów: Puszcze]]</p>""")
T[100] = ("Leśne Kompleksy Promocyjne - wprowadzenie", """
<p>Leśne Kompleksy Promocyjne powołują Lasy Państwowe od 1994 roku, aby promować trwale
zrównoważoną gospodarkę leśną i edukację leśną społeczeństwa.</p>""")
T[101] = ("Leśne Kompleksy Promocyjne - charakterystyki", """
<p>Przykłady: Puszcza Białowieska, Bory Tucholskie, Puszcza Kozienicka, Lasy Beskidu Sądeckiego.</p>""")
T[102] = ("Zielone Płuca Polski", """
<p>Porozumienie Zielone Płuca Polski (1988) obejmuje północno-wschodnią Polskę - najmniej
zanieczyszczony region kraju, w którym rozwój gospodarczy ma się opierać na walorach przyrody.</p>""")
T[103] = ("Wielkoprzestrzenny System Obszarów Chronionych", """
<p>System tworzą parki narodowe, parki krajobrazowe i obszary chronionego krajobrazu powiązane
przestrzennie w sieć, która obejmuje blisko jedną trzecią powierzchni kraju.</p>""")
T[105] = ("Ogrody botaniczne i arboreta - wprowadzenie", """
<p>Ogrody botaniczne gromadzą kolekcje roślin i prowadzą ochronę ex situ gatunków zagrożonych.
Najstarszy w Polsce jest Ogród Botaniczny Uniwersytetu Jagiellońskiego (1783).</p>""")
T[106] = ("Ogrody botaniczne - charakterystyki wybranych obiektów", """
<p>Arboretum w Kórniku, Arboretum w Rogowie, Ogród Botaniczny w Powsinie, Ogród Botaniczny we Wrocławiu.</p>""")
T[108] = ("Ogrody zoologiczne - wprowadzenie", """<p>Ogrody zoologiczne prowadzą hodowle zachowawcze gatunków zagrożonych, np. żubra i konika polskiego.</p>""")
T[109] = ("Ogrody zoologiczne - charakterystyki", """<p>Ogrody zoologiczne w Warszawie, Poznaniu, Wrocławiu, Krakowie i Płocku.</p>""")
T[111] = ("Parki i ogrody zabytkowe - wprowadzenie", """<p>Zabytkowe parki chronią przepisy o ochronie zabytków; często rosną w nich pomnikowe drzewa.</p>""")
T[112] = ("Parki i ogrody zabytkowe - charakterystyki", """<p>Łazienki Królewskie i Wilanów w Warszawie, Arkadia, Puławy, Łańcut.</p>""")
T[114] = ("Zieleń miejska - wprowadzenie", """<p>Zieleń miejska poprawia klimat miasta, zatrzymuje pyły i daje schronienie zwierzętom. W miastach leżą też rezerwaty, np. [[rp:110]].</p>""")
T[115] = ("Zieleń miejska - charakterystyki", """<p>Przykłady: Las Kabacki ([[rp:111]]), Las Łagiewnicki ([[rp:122]]), Las Zwierzyniecki ([[rp:145]]).</p>""")
T[116] = ("Muzea i biblioteki przyrodnicze", """<p>Muzeum Przyrodnicze w Białowieży, Muzeum Tatrzańskie w Zakopanem, Muzeum Ewolucji w Warszawie.</p>""")
T[165] = ("Anex - wprowadzenie", """<p>Dział zawiera zmiany prawa ochrony przyrody, które weszły w życie po 31 grudnia 2000 roku, w tym nowelizację ustawy o ochronie przyrody z 2001 roku i nowe rozporządzenia o ochronie gatunkowej.</p>""")
T[166] = ("Mapa ustawy o ochronie przyrody (2001)", """<p>Schemat rozdziałów ustawy o ochronie przyrody według stanu na 1 października 2001 r.: przepisy ogólne, formy ochrony, ochrona gatunkowa, organy, przepisy karne.</p>""")
T[196] = ("CORINE w Polsce", """<p>Program CORINE Biotopes inwentaryzował najcenniejsze biotopy Europy. W Polsce wyznaczono kilkaset ostoi. Zob. [[node:210|biotopy Polski]].</p>""")
T[197] = ("EECONET", """<p>Europejska sieć ekologiczna EECONET została zaproponowana w 1991 roku w Maastricht; jej polską część stanowi [[page:901|ECONET-PL]].</p>""")
T[199] = ("EMERALD", """<p>Sieć Szmaragdowa (EMERALD) to sieć obszarów ważnych dla ochrony przyrody tworzona na podstawie Konwencji berneńskiej.</p>""")
T[200] = ("NATURA 2000 w Polsce", """<p>[[dic:natura2000|Natura 2000]] to sieć obszarów specjalnej ochrony ptaków i specjalnych obszarów ochrony siedlisk, wyznaczanych zgodnie z [[node:192|dyrektywą ptasią]] i [[node:193|siedliskową]].</p>""")
T[201] = ("PEEN", """<p>Paneuropejska sieć ekologiczna PEEN jest elementem Paneuropejskiej Strategii Różnorodności Biologicznej i Krajobrazowej z 1995 roku.</p>""")
T[202] = ("Rezerwaty biosfery MaB", """<p>W Polsce [[dic:mab|rezerwatami biosfery]] są m.in.: Puszcza Białowieska, Babia Góra, Karkonosze, Łuknajno, Słowiński PN, Karpaty Wschodnie, Tatry, Kampinos i Bory Tucholskie. Zob. [[rp:104]].</p>""")
T[204] = ("Kategorie obszarów chronionych IUCN", """<table class=dane><tr><th>kat.</th><th>nazwa</th></tr>
<tr><td>Ia</td><td>ścisły rezerwat przyrody</td></tr><tr><td>Ib</td><td>obszar dzikiej przyrody</td></tr>
<tr><td>II</td><td>park narodowy</td></tr><tr><td>III</td><td>pomnik przyrody</td></tr>
<tr><td>IV</td><td>obszar ochrony siedlisk lub gatunków</td></tr><tr><td>V</td><td>chroniony krajobraz</td></tr>
<tr><td>VI</td><td>obszar ochrony zasobów</td></tr></table>""")
T[205] = ("UNEP", """<p>Program Narodów Zjednoczonych ds. Środowiska (UNEP) powołano w 1972 roku po konferencji sztokholmskiej; jego siedziba mieści się w Nairobi.</p>""")
T[206] = ("UNESCO", """<p>UNESCO prowadzi program Człowiek i Biosfera oraz Listę światowego dziedzictwa, na którą wpisano m.in. Puszczę Białowieską.</p>""")
T[207] = ("Międzynarodowy status polskich obszarów chronionych", """<p>Polskie obszary mają status rezerwatów biosfery, obszarów ramsarskich ([[rp:104]], [[rp:136]]), obiektów światowego dziedzictwa i obszarów dyplomu Rady Europy (Białowieski PN).</p>""")
T[210] = ("Biotopy Polski - wprowadzenie", """<p>[[dic:biotop|Biotop]] to nieożywione środowisko życia organizmów. Słownik biotopów płyty opisuje ważniejsze biotopy Polski, od [[bio:bor_bagienny|borów bagiennych]] po [[bio:kosowka|zarośla kosodrzewiny]]. Zob. [[node:211|spis]].</p>""")
T[215] = ("Klimat Polski - wprowadzenie", """<p>Średnia roczna temperatura w Polsce wynosi od około 6 do 8,5 stopnia, roczna suma opadów - od 500 do ponad 1500 mm w górach. Najcieplejszy jest południowy zachód, najzimniejszy - północny wschód i góry.</p>""")
T[216] = ("Piętra klimatyczne", """<p>W Tatrach wyróżnia się piętra: umiarkowanie ciepłe, umiarkowanie chłodne, chłodne, bardzo chłodne, umiarkowanie zimne i zimne. Odpowiadają im piętra roślinności: pogórze, regiel dolny i górny, [[dic:kosodrzewina|kosodrzewina]], hale i turnie.</p>""")
T[217] = ("Gleby Polski", """<p>Przeważają gleby bielicowe, rdzawe i płowe wytworzone z piasków i glin polodowcowych; na lessach powstały żyzne gleby płowe i czarnoziemy, w dolinach - mady, na mokradłach - gleby torfowe.</p>""")
T[219] = ("Mapa geologiczna Polski", """<p>Polska leży na styku platformy wschodnioeuropejskiej i młodszych struktur Europy Zachodniej. Na powierzchni dominują osady czwartorzędowe. Zob. rycinę [[sh:m0253|krainy geograficzne]].</p>""")
T[220] = ("Plejstoceńskie zlodowacenia", """<p>W plejstocenie lądolód skandynawski kilkakrotnie nasuwał się na obszar Polski ([[dic:zlodowacenie|zlodowacenia]]). Animacja: [[anim:lodowiec|jak lodowiec kształtował krajobraz]]. Rycina: [[sh:m0251|zasięg zlodowaceń]].</p>""")
T[221] = ("Tabela stratygraficzna dla terenu Polski", """<table class=dane><tr><th>era</th><th>okres</th><th>przykład w Polsce</th></tr>
<tr><td>kenozoik</td><td>czwartorzęd</td><td>moreny, [[dic:pradolina|pradoliny]]</td></tr>
<tr><td>mezozoik</td><td>jura</td><td>wapienie Jury Krakowsko-Częstochowskiej</td></tr>
<tr><td>paleozoik</td><td>dewon</td><td>wapienie Kielc ([[rp:123]])</td></tr></table>""")
T[227] = ("Bibliografia - źródła podstawowe", """<ul><li>Ustawa o ochronie przyrody z 16 października 1991 r. z późniejszymi zmianami.</li><li>Rejestry rezerwatów przyrody prowadzone przez wojewodów.</li><li>Roczniki statystyczne GUS <i>Ochrona Środowiska</i>.</li></ul>""")
T[229] = ("Animacje zjawisk przyrodniczych", """<p>Animacje uruchamiają się w osobnym oknie:</p>
<ul><li>[[anim:lodowiec|Zlodowacenie - jak powstały moreny i pradoliny]]</li>
<li>[[anim:krazenie|Krążenie wody w przyrodzie]]</li>
<li>[[anim:sukcesja|Sukcesja - zarastanie jeziora]]</li></ul>""")
T[231] = ("Filmy video", """<p>Filmy odtwarzane są w osobnym oknie z przyciskami sterowania.</p>
<ul><li>[[mv:bobry|Bobry nad rzeką]] - krajobraz doliny rzecznej z żeremiami bobrów,</li>
<li>[[mv:wydmy|Ruchome wydmy]] - wędrujące wydmy Mierzei Łebskiej.</li></ul>""")

# notes on selected acts of law (node index -> text)
ACT_NOTES = {
    124: "Rozporządzenie objęło ochroną [[dic:kosodrzewina|kosodrzewinę]] w Tatrach, której wycinanie zagrażało stokom górskim.",
    128: "Pierwsza polska ustawa o ochronie przyrody. Wprowadziła pojęcia pomnika przyrody, rezerwatu i parku narodowego oraz powołała Państwową Radę Ochrony Przyrody jako organ doradczy.",
    134: "Zarządzenie objęło ochroną [[dic:szarotka|szarotkę alpejską]], symbol gór.",
    136: "Na jego podstawie powstał Park Narodowy w Pieninach - jeden z dwóch pierwszych parków narodowych w Polsce ([[pn:pieninski|Pieniński PN]]).",
    137: "Akt utworzenia parku w Białowieży, dzisiejszego [[pn:bialowieski|Białowieskiego Parku Narodowego]].",
    141: "Powojenna ustawa o ochronie przyrody, obowiązująca aż do 1991 roku. Wprowadziła m.in. ochronę gatunkową i uznawanie obszarów za parki narodowe rozporządzeniem Rady Ministrów.",
    152: "Ustawa wprowadziła nowe formy ochrony: parki krajobrazowe, obszary chronionego krajobrazu, użytki ekologiczne, stanowiska dokumentacyjne i zespoły przyrodniczo-krajobrazowe.",
    153: "Tekst ustawy o ochronie przyrody według stanu prawnego z 1998 roku, po kolejnych nowelizacjach.",
    155: "Rozporządzenie wymieniało gatunki zwierząt chronionych ściśle i częściowo, m.in. [[dic:zubr|żubra]], [[dic:bobr|bobra]] i wszystkie krajowe [[dic:nietoperze|nietoperze]].",
    157: "Rozporządzenie wymieniało gatunki roślin chronionych, m.in. [[dic:cis|cis]], [[dic:obuwik|obuwik]] i [[dic:rosiczka|rosiczki]].",
    161: "Ustawa stanowi, że zwierzę nie jest rzeczą, lecz istotą żyjącą, zdolną do odczuwania cierpienia.",
    168: "Porównanie tekstu ustawy z 2001 roku z wcześniejszym ułatwia prześledzenie zmian wprowadzonych w związku z przygotowaniami do członkostwa w Unii Europejskiej.",
    169: "Rozporządzenie wymienia typy [[dic:siedlisko|siedlisk przyrodniczych]] podlegających ochronie, zgodnie z dyrektywą siedliskową.",
    173: "Ustawa Prawo ochrony środowiska z 27 kwietnia 2001 r. ujednoliciła przepisy dotyczące ochrony powietrza, wód, gleby i przyrody.",
    175: "Jedna z pierwszych międzynarodowych umów przyrodniczych; chroniła ptaki uznawane za pożyteczne dla rolnictwa.",
    178: "Konwencja chroni mokradła ważne dla ptaków wodnych. Polska przystąpiła do niej w 1978 roku. Zob. [[dic:ramsar|konwencja ramsarska]], [[rp:104]].",
    180: "Na jej podstawie prowadzona jest Lista światowego dziedzictwa; z polskich obiektów przyrodniczych wpisano Puszczę Białowieską.",
    181: "Konwencja CITES reguluje handel gatunkami zagrożonymi, wymienionymi w trzech załącznikach.",
    183: "Konwencja bońska chroni gatunki wędrowne, np. ptaki i [[dic:nietoperze|nietoperze]]; na jej podstawie zawarto [[node:187|porozumienie o ochronie nietoperzy]].",
    184: "Konwencja berneńska chroni dziką florę i faunę Europy oraz ich siedliska; Polska ratyfikowała ją w 1995 roku.",
    187: "Porozumienie zobowiązuje strony do ochrony nietoperzy i ich kryjówek, np. zimowisk takich jak [[rp:117]].",
    189: "Konwencja o różnorodności biologicznej przyjęta na Szczycie Ziemi w Rio de Janeiro. Zob. [[dic:bioroznorodnosc|różnorodność biologiczna]].",
    192: "Dyrektywa Rady 79/409/EWG o ochronie dzikich ptaków - podstawa wyznaczania obszarów specjalnej ochrony ptaków sieci [[dic:natura2000|Natura 2000]].",
    193: "Dyrektywa Rady 92/43/EWG o ochronie siedlisk przyrodniczych oraz dzikiej fauny i flory - podstawa specjalnych obszarów ochrony siedlisk.",
}


def menu_groups(NP):
    def n(*idx):
        return [NP[i] for i in idx]

    acts = [("a", "najważniejsze postanowienia")]
    prov = [("a", "rezerwaty województwa"), ("b", "parki krajobrazowe i OChK województwa")]
    import disc_data as D
    g = [
        ("start", "Strona główna", ["799"], []),
        ("wstep", "Wstęp", ["750", "749"] + n(2) + ["751", "752", "753", "754"], []),
        ("autorzy", "Opracowanie płyty", ["32"] + n(5, 6), []),
        ("redakcja", "Redakcja", n(7, 8), []),
        ("wydawca", "Wydawca i sponsor", ["925", "926"], []),
        ("pomoc", "Pomoc", ["919"], []),
        ("bibliografia", "Bibliografia", ["757"] + n(227), []),
        ("mapy", "Mapy", ["800"], []),
        ("obiekty", "Obiekty opisywane", ["923"], []),
        ("bazy", "Bazy obiektów", ["908"], []),
        ("wojewodztwa", "Województwa", ["914"], []),
    ]
    for k, p in enumerate(D.PROVINCES):
        g.append(("woj_" + p[0], "Województwo " + p[1], [str(601 + k), "914"][:1], prov))
    g += [
        ("organizacja", "Organizacja ochrony przyrody", ["244"], []),
        ("adresy", "Adresy", n(28, 29, 30), []),
        ("adresy_www", "Adresy internetowe", n(31, 32), []),
        ("dzieje", "Dzieje ochrony przyrody", ["922"] + n(34, 35), []),
        ("formy", "Formy ochrony przyrody", ["902"], []),
        ("pn", "Parki narodowe", n(39, 40), []),
        ("pn_europa", "Parki narodowe w Europie", n(41), []),
        ("rp", "Rezerwaty przyrody", n(43, 44, 45, 46), []),
        ("rp_spisy", "Spisy rezerwatów", n(47, 48), []),
        ("pk", "Parki krajobrazowe", n(50, 51), []),
        ("pk_spisy", "Spisy parków krajobrazowych", n(52), []),
        ("ochk", "Obszary chronionego krajobrazu", n(54, 55), []),
        ("ochk_spisy", "Spisy obszarów", n(56), []),
        ("pomniki", "Pomniki przyrody", n(58, 59, 60, 61), []),
        ("stanowiska", "Stanowiska dokumentacyjne", n(63, 64), []),
        ("uzytki", "Użytki ekologiczne", n(66, 67), []),
        ("zespoly", "Zespoły przyrodniczo-krajobrazowe", n(69, 70), []),
        ("rosliny", "Ochrona roślin", n(73, 74, 78, 79), []),
        ("rosliny_listy", "Listy gatunków roślin", n(76, 77, 81, 82), []),
        ("zwierzeta", "Ochrona zwierząt", n(84, 85, 86, 87), []),
        ("zwierzeta_listy", "Listy gatunków zwierząt", n(89, 90), []),
        ("zagrozone", "Gatunki zagrożone", n(92, 93, 94, 95, 96), []),
        ("puszcze", "Puszcze Polski", n(98), []),
        ("lkp", "Leśne Kompleksy Promocyjne", n(100, 101), []),
        ("zpp", "Zielone Płuca Polski", n(102, 103), []),
        ("ogrody", "Ogrody botaniczne", n(105, 106), []),
        ("zoo", "Ogrody zoologiczne", n(108, 109), []),
        ("parki_zabytkowe", "Parki zabytkowe", n(111, 112), []),
        ("zielen", "Zieleń miejska", n(114, 115), []),
        ("muzea", "Muzea i biblioteki przyrodnicze", n(116), []),
        ("prawo", "Prawo ochrony przyrody", ["471"] + n(165, 166), []),
        ("prawo1918", "Akty prawne 1918-1939", n(*range(121, 132)), acts),
        ("prawo_woj", "Akty wojewódzkie 1918-1939", n(133, 134), acts),
        ("prawo_pn", "Akty utworzenia parków narodowych", n(136, 137, 138), acts),
        ("prawo1945", "Akty prawne 1945-1979", n(*range(140, 151)), acts),
        ("prawo1980", "Akty prawne 1980-2000", n(*range(151, 164)), acts),
        ("prawo2001", "Zmiany prawa po 2000 r.", n(168, 169, 170, 171, 172, 173), acts),
        ("konwencje", "Dokumenty międzynarodowe 1902-1979", n(*range(175, 184)), acts),
        ("konwencje2", "Dokumenty międzynarodowe 1979-1997", n(*range(184, 192)), acts),
        ("konwencje_ue", "Dyrektywy Unii Europejskiej", n(192, 193), acts),
        ("miedzynarodowa", "Międzynarodowa ochrona przyrody", ["918"] + n(207), []),
        ("sieci", "Sieci ekologiczne", ["230"] + n(197, 199, 201), []),
        ("corine", "CORINE", n(196), []),
        ("natura2000", "NATURA 2000", n(200), []),
        ("econet", "ECONET-PL", ["901"], []),
        ("mab", "Rezerwaty biosfery", n(202), []),
        ("iucn", "IUCN", n(204), []),
        ("unesco", "UNEP i UNESCO", n(205, 206), []),
        ("warunki", "Warunki przyrodnicze", ["921"], []),
        ("biotopy", "Biotopy Polski", n(210, 211, 212, 213), []),
        ("klimat", "Klimat Polski", n(215, 216), []),
        ("gleby_geologia", "Gleby i geologia", n(217, 219, 220, 221), []),
        ("slownik", "Słownik", ["658"] + n(224), []),
        ("statystyka", "Statystyka", ["920"], []),
        ("galeria", "Galeria", ["903"] + n(229, 231), []),
    ]
    return g

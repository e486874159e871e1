// The contents tree as the window defines it: every node in depth-first
// order with its level (0 for the top) and its text in Windows-1250.
// Generated from the tree's node list; edit the list, not this file.

#include "tables/contents_tree.h"

namespace velmora::tables {

// clang-format off
const std::array<TreeNode, kTreeNodeCount> kTreeNodes = {{
    {0, "Wst\xEAp"},  // 0
    {0, "Zawarto\x9C\xE6 p\xB3yty"},  // 1
    {0, "Podzi\xEAkowania"},  // 2
    {0, "Opracowanie p\xB3yty"},  // 3
    {1, "Autorzy opracowa\xF1"},  // 4
    {1, "Autorzy wg inicja\xB3\xF3w"},  // 5
    {1, "Autorzy fotografii"},  // 6
    {1, "Redakcja"},  // 7
    {1, "Opracowanie informatyczne"},  // 8
    {0, "Organizacja ochrony przyrody w Polsce"},  // 9
    {0, "Ochrona przyrody w wojew\xF3" "dztwach"},  // 10
    {1, "Dolnosl\xB9skie"},  // 11
    {1, "Kujawsko-pomorskie"},  // 12
    {1, "Lubelskie"},  // 13
    {1, "Lubuskie"},  // 14
    {1, "\xA3\xF3" "dzkie"},  // 15
    {1, "Ma\xB3opolskie"},  // 16
    {1, "Mazowieckie"},  // 17
    {1, "Opolskie"},  // 18
    {1, "Podkarpackie"},  // 19
    {1, "Podlaskie"},  // 20
    {1, "Pomorskie"},  // 21
    {1, "\x8Cl\xB9skie"},  // 22
    {1, "\x8Cwi\xEAtokrzyskie"},  // 23
    {1, "Warmi\xF1sko-mazurskie"},  // 24
    {1, "Wielkopolskie"},  // 25
    {1, "Zachodniopomorskie"},  // 26
    {0, "Adresy"},  // 27
    {1, "Instytucje zwiazane z ochron\xB9 przyrody"},  // 28
    {1, "Parki Narodowe"},  // 29
    {1, "Parki krajobrazowe i Zespo\xB3y PK"},  // 30
    {1, "Adresy internetowe (wa\xBFniejsze)"},  // 31
    {1, "Internetowe \x9Fr\xF3" "d\xB3" "a informacji prawnej o \x9Crodowisku"},  // 32
    {0, "Dzieje ochrony przyrody"},  // 33
    {1, "Na \x9Cwiecie"},  // 34
    {1, "W Polsce"},  // 35
    {0, "Formy ochrony przyrody wg ustawy o ochr. przyr. "},  // 36
    {1, "Krajowy system obszar\xF3w chronionych"},  // 37
    {2, "Parki narodowe"},  // 38
    {3, "Wprowadzenie"},  // 39
    {3, "baza park\xF3w narodowych"},  // 40
    {3, "Parki narodowe w Europie"},  // 41
    {2, "Rezerwaty przyrody"},  // 42
    {3, "Wprowadzenie"},  // 43
    {3, "Klasyfikacja rezerwat\xF3w"},  // 44
    {3, "Propozycja nowej klasyfikacji"},  // 45
    {3, "Baza rezerwat\xF3w przyrody"},  // 46
    {3, "Spis alfabetyczny wybranych  rezerwat\xF3w"},  // 47
    {3, "Spis wybranych rezerwat\xF3w wg rodzaju"},  // 48
    {2, "Parki krajobrazowe"},  // 49
    {3, "Wprowadzenie"},  // 50
    {3, "Baza park\xF3w krajobrazowych"},  // 51
    {3, "Spis wybranych obiekt\xF3w"},  // 52
    {2, "Obszary chronionego krajobrazu"},  // 53
    {3, "Wprowadzenie"},  // 54
    {3, "Baza obszar\xF3w chronionego krajobrazu"},  // 55
    {3, "Spis wybranych obiekt\xF3w"},  // 56
    {1, "Pomniki przyrody"},  // 57
    {2, "Wprowadzenie"},  // 58
    {2, "Spis wybranych obiekt\xF3w"},  // 59
    {2, "Obwody pier\x9Cnicowe drzew i krzew\xF3w"},  // 60
    {2, "Najgrubsze i najstarsze d\xEA" "by w Polsce"},  // 61
    {1, "Stanowiska dokumentacyjne"},  // 62
    {2, "Wprowadzenie"},  // 63
    {2, "Spis wybranych obiekt\xF3w"},  // 64
    {1, "U\xBFytki ekologiczne"},  // 65
    {2, "Wprowadzenie"},  // 66
    {2, "Spis wybranych obiekt\xF3w"},  // 67
    {1, "Zespo\xB3y przyrodniczo-krajobrazowe"},  // 68
    {2, "Wprowadzenie"},  // 69
    {2, "Spis wybranych obiekt\xF3w"},  // 70
    {1, "Ochrona gatunkowa"},  // 71
    {2, "Ochrona ro\x9Clin naczyniowych, porost\xF3w i grzyb\xF3w"},  // 72
    {3, "Wprowadzenie: ro\x9Cliny naczyniowe"},  // 73
    {3, "Wprowadzenie: ochrona porost\xF3w"},  // 74
    {3, "Lista gatunk\xF3w chronionych (1995)"},  // 75
    {4, "pol./\xB3" "ac."},  // 76
    {4, "\xB3" "ac./pol."},  // 77
    {3, "Rozp. MO\x8CZNiL o ochronie gatunkowej ro\x9Clin (1995)"},  // 78
    {3, "Anex: Lista gatunk\xF3w chronionych (2001)"},  // 79
    {3, "Charakterystyki wybranych gatunk\xF3w"},  // 80
    {4, "pol./\xB3" "ac."},  // 81
    {4, "\xB3" "ac./pol."},  // 82
    {2, "Ochrona zwierz\xB9t"},  // 83
    {3, "Wprowadzenie"},  // 84
    {3, "Lista gatunk\xF3w chronionych (1995)"},  // 85
    {3, "Rozp. MO\x8CZNiL o ochronie gatunkowej zwierz\xB9t (1995)"},  // 86
    {3, "Anex: Lista gatunk\xF3w chronionych (2001)"},  // 87
    {3, "Charakterystyki wybranych gatunk\xF3w zwierz\xB9t"},  // 88
    {4, "pol./\xB3" "ac."},  // 89
    {4, "\xB3" "ac./pol."},  // 90
    {2, "Gatunki zagro\xBFone"},  // 91
    {3, "Czerwone Ksi\xEAgi i Czerwone Listy"},  // 92
    {3, "Kategorie zagro\xBF" "enia"},  // 93
    {3, "Gatunki specjalnej troski"},  // 94
    {3, "Lista ro\x9Clin naczyniowych zagro\xBFonych w Polsce"},  // 95
    {3, "Lista kr\xEAgowc\xF3w zagro\xBFonych w Polsce"},  // 96
    {0, "Inne formy ochrony przyrody"},  // 97
    {1, "Puszcze Polski"},  // 98
    {1, "Lesne Kompleksy Promocyjne"},  // 99
    {2, "Wprowadzenie\\"},  // 100
    {2, "Charakterystyki wybranych obiekt\xF3w"},  // 101
    {1, "Zielone P\xB3uca Polski"},  // 102
    {1, "Wielkoprzestrzenny System Obszar\xF3w Chronionych"},  // 103
    {1, "Ogrody botaniczne i arboreta"},  // 104
    {2, "Wprowadzenie"},  // 105
    {2, "Charakterystyki wybranych obiekt\xF3w"},  // 106
    {1, "Ogrody zoologiczne"},  // 107
    {2, "Wprowadzenie"},  // 108
    {2, "Charakterystyki wybranych obiekt\xF3w"},  // 109
    {1, "Parki i ogrody zabytkowe"},  // 110
    {2, "Wprowadzenie"},  // 111
    {2, "Charakterystyki wybranych obiekt\xF3w"},  // 112
    {1, "Ziele\xF1 miejska"},  // 113
    {2, "Wprowadzenie"},  // 114
    {2, "Charakterystyki wybranych obiekt\xF3w"},  // 115
    {1, "Muzea i biblioteki przyrodnicze"},  // 116
    {0, "Prawo ochrony przyrody"},  // 117
    {1, "Wprowadzenie"},  // 118
    {1, "Akty prawne i dokumenty polskie (spis)"},  // 119
    {2, "Teksty akt\xF3w prawnych i dokument\xF3w 1918-39"},  // 120
    {3, "Konstytucje polskie 1921-1997"},  // 121
    {3, "Projekt rozporz. Rady Ministr\xF3w w przedmiocie organizacji PROP (1919)."},  // 122
    {3, "Rozporz. Rady Ministr\xF3w o trybie za\xB3" "atwiania spraw ochrony przyrody, wchodz\xB9" "cych w zakres dzia\xB3" "ania MWRiOP z dn. 10 czerwca 1925 r."},  // 123
    {3, "Rozporz. MRiDP z dn. 13.02.1926 r. w sprawie ochrony kosodrzewiny."},  // 124
    {3, "Rozporz. Prezydenta R.P. z dn. 16.02.1928 r. o prawie budowlanem i zabudowaniu osiedli"},  // 125
    {3, "Rozporz. Prezydenta R.P. z dn. 6.03.1928 r. o opiece nad zabytkami"},  // 126
    {3, "Rozporz. Prezydenta R.P. z dn. 22.03.1928 r. o ochronie zwierz\xB9t."},  // 127
    {3, "Ustawa z dn. 10.03.1934 r. o ochronie przyrody"},  // 128
    {3, "Pismo ok\xF3lne Ministerstwa Spraw Wewn\xEAtrznych z dn. 18.09.1934 r. o sposobie zabudowania teren\xF3w g\xF3rskich"},  // 129
    {3, "Rozporz. MRiRR z dn. 5.05.1936 r. o pasaniu inwentarza i zbieraniu \x9C" "ci\xF3\xB3ki w lasach pa\xF1stwowych"},  // 130
    {3, "Dekret Prezydenta R.P. z dn. 30.09.1936 r. o pa\xF1stwowym gospodarstwie le\x9Cnym"},  // 131
    {2, "Teksty akt\xF3w prawnych wojew\xF3" "dzkich - 1918-1939"},  // 132
    {3, "Rozporz.  Wojewody Krakowskiego z dn. 27.11.1936 r. w sprawie uznania gromad Murzasichle, Poronin i Bia\xB3y Dunajec (pow. Nowy Targ) za miejscowo\x9C" "ci, w kt\xF3rych krajobraz zas\xB3uguje na ochron\xEA"},  // 133
    {3, "Zarz\xB9" "dz. Wojewody Krakowskiego z dn. 26.09.1936 r. o uznaniu szarotki za ro\x9Clin\xEA chronion\xB9"},  // 134
    {2, "Akty utworzenia park\xF3w narodowych - 1918-1939"},  // 135
    {3, "Rozporz. MR z dn. 23.05.1932 r. o utworzeniu z rezerwatu w Pieninach jednostki organizacyjnej szczeg\xF3lnej pod nazw\xB9 \x84Park Narodowy \"w Pieninach\"."},  // 136
    {3, "Rozporz. MRiRR z dn. 4.08.1932 r. o utworzeniu z Nadle\x9Cnictwa Rezerwat w okr\xEAgu Dyrekcji Las\xF3w Pa\xF1stwowych w Bia\xB3owie\xBFy jednostki organizacyjnej szczeg\xF3lnej pod nazwa \x84Park Narodowy w Bia\xB3owie\xBFy"},  // 137
    {3, "Zarz\xB9" "dz. MRiRR z dn. 26.06.1939 r. o uznaniu Las\xF3w Pa\xF1stwowych na obszarze Nadle\x9Cnictw Jaworzyna i Zakopane w krakowsko-\x9Cl\xB9skim okr\xEAgu Las\xF3w Pa\xF1stwowych za lasy ochronne i o utworzeniu jednostki organizacyjnej szczeg\xF3lnej pod nazwa \xABPark Przyrody w Tatr"},  // 138
    {2, "Teksty akt\xF3w prawnych i dokument\xF3w - 1945-2000"},  // 139
    {3, "Rozp. Min. O\x9Cwiaty z 29.08.1946 w sprawie wprowadz. ochrony gatunkowej ro\x9Clin (1946)"},  // 140
    {3, "Ustawa z dn. 7.04.1949 r. o ochronie przyrody"},  // 141
    {3, "Rozporz. Rady Ministr\xF3w z dn. 1.04.1950 r. w sprawie organizacji Pa\xF1stwowej Rady Ochrony Przyrody"},  // 142
    {3, "Rozporz. ML z dn. 17.03.1952 r. w sprawie zakresu dzia\xB3" "ania i organizacji wojew\xF3" "dzkich komitet\xF3w ochrony przyrody."},  // 143
    {3, "Rozp. Min. Le\x9Cn. z dn. 4.11.1952 w sprawie wprowadzenia gatunkowej ochrony zwierz\xB9t (1952)"},  // 144
    {3, "Rozporz. MLiPD z dnia 28 lutego 1957 r. w sprawie wprowadzenia gatunkowej ochrony ro\x9Clin"},  // 145
    {3, "Ustawa z dn. 15.02.1962 r. o ochronie d\xF3" "br kultury (1999)"},  // 146
    {3, "Ustawa z dn. 31.01.1980 r. o ochronie i kszta\xB3towaniu \x9Crodowiska (1998)"},  // 147
    {3, "Rozporz. MAGTiO\x8C z dn. 5.09.1980 r. w sprawie zasad uznawania teren\xF3w zadrzewionych na obszarach wsi za parki wiejskie, ochrony tych park\xF3w i zarz\xB9" "dzania nimi"},  // 148
    {3, "Rozporz. MAGTiO\x8C z dn. 5.09.1980 r. w sprawie zasad ochrony ogrod\xF3w botanicznych i zoologicznych."},  // 149
    {3, "Ochrona zieleni - wyci\xB9g z przepis\xF3w prawnych 1980-1998"},  // 150
    {3, "Ustawa z dnia 28 wrze\x9Cnia 1991 r. o lasach (1998)"},  // 151
    {3, "Ustawa z dn. 16.10.1991 o ochronie przyrody (1991)"},  // 152
    {3, "Ustawa z dn. 16.10.1991 r. o ochronie przyrody (1998)"},  // 153
    {3, "Rozporz. MO\x8CZNiL z dn. 25.08.1992 r. w sprawie szczeg\xF3\xB3owych zasad i trybu uznawania las\xF3w za ochronne oraz szczeg\xF3\xB3owych zasad prowadzenia w nich gospodarki le\x9Cnej."},  // 154
    {3, "Rozporz. MO\x8CZNiL z dn. 6.01.1995 r. w sprawie ochrony gatunkowej zwierz\xB9t."},  // 155
    {3, "Ustawa z dn. 3.02.1995 r. o ochronie grunt\xF3w rolnych i le\x9Cnych."},  // 156
    {3, "Rozporz. MO\x8CZNiL z dn. 6.04.1995 r. w sprawie ochrony gatunkowej ro\x9Clin."},  // 157
    {3, "Uchwa\xB3" "a Senatu R.P. z dn 27.04.1995 r. w sprawie ochrony \x9Crodowiska przyrodniczego w zwi\xB9zku z Europejskim Rokiem Ochrony Przyrody."},  // 158
    {3, "Ustawa z dn. 13.10.1995 r. Prawo \xB3owieckie "},  // 159
    {3, "Rozporz. MO\x8CZNiL z dn. 3.12.1996 r. w sprawie ustalenia listy gatunk\xF3w zwierz\xB9t \xB3ownych oraz okre\x9Clenia okres\xF3w polowa\xF1 na te zwierz\xEAta."},  // 160
    {3, "Ustawa z dn. 21.08.1997 r. o ochronie zwierz\xB9t."},  // 161
    {3, "Rozporz. MRiG\xAF z dn. 15.03.1999 r. w sprawie po\xB3owu ryb w wodach \x9Cr\xF3" "dl\xB9" "dowych."},  // 162
    {3, "Rozporz. MRiRW z dn. 25.01.2000 r. w sprawie gospodarowania \xBFywymi zasobami morza i ich ochrony."},  // 163
    {1, "Anex: zmiany prawa, kt\xF3re wesz\xB3y w \xBFycie po 31.12.2000 r."},  // 164
    {2, "Wprowadzenie"},  // 165
    {2, "\"Mapa\" ustawy o ochr. przyrody wg stanu na 2001.10.01"},  // 166
    {2, "Ustawa z dn. 16.10.1991 r. o ochronie przyrody (2001)"},  // 167
    {3, "Ustawa z dn. 16.10.1991 r. o ochronie przyrody (2001) z uwidocznionymi zmianami w odniesieniu do 1998 r."},  // 168
    {3, "Rozporz. M\x8C z dn. 14.08.2001 r. w sprawie okre\x9Clenia rodzaj\xF3w siedlisk przyrodniczych podlegaj\xB9" "cych ochronie."},  // 169
    {3, "Rozporz. M\x8C z dn. 11.09.2001 r. w sprawie okre\x9Clenia listy gatunk\xF3w ro\x9Clin rodzimych dziko wyst\xEApuj\xB9" "cych obj\xEAtych ochron\xB9 gatunkow\xB9 \x9C" "cis\xB3\xB9 i cz\xEA\x9C" "ciow\xB9 oraz zakaz\xF3w w\xB3" "a\x9C" "ciwych dla tych gatunk\xF3w i odst\xEApstw od tych zakaz\xF3w."},  // 170
    {3, "Rozporz. M\x8C z dn. 26.09.2001 r. w sprawie okre\x9Clenia listy gatunk\xF3w zwierz\xB9t rodzimych dziko wyst\xEApuj\xB9" "cych obj\xEAtych ochron\xB9 gatunkow\xB9 \x9C" "cis\xB3\xB9 i cz\xEA\x9C" "ciow\xB9 oraz zakaz\xF3w dla danych gatunk\xF3w i odst\xEApstw od tych zakaz\xF3w."},  // 171
    {2, "Ustawa z dn. 6.07.2001 r. o zachowaniu narodowego charakteru strategicznych zasob\xF3w naturalnych kraju."},  // 172
    {2, "Ustawa Prawo ochrony \x9Crodowiska (2001)"},  // 173
    {1, "Akty prawne i dokumenty mi\xEA" "dzynarodowe (spis)"},  // 174
    {2, "Konwencja o ochronie ptak\xF3w po\xBFytecznych dla rolnictwa, podpisana w Pary\xBFu dn. 19.03.1902 r."},  // 175
    {2, "Karta Ate\xF1ska \x96 1931 r."},  // 176
    {2, "Karta Wenecka \x96 1964 r."},  // 177
    {2, "Konwencja o obszarach wodno-b\xB3otnych maj\xB9" "cych znaczenie mi\xEA" "dzynarodowe, zw\xB3" "aszcza jako \x9Crodowisko \xBFyciowe ptactwa wodnego, Ramsar, 2.02.1971 r."},  // 178
    {2, "Deklaracja Konferencji Narod\xF3w Zjednoczonych w Sprawie \x8Crodowiska Cz\xB3owieka Sztokholm, 16.06.1972 r."},  // 179
    {2, "Konwencja w sprawie ochrony \x9Cwiatowego dziedzictwa kulturalnego i naturalnego, Pary\xBF, 16.11.1972 r."},  // 180
    {2, "Konwencja o mi\xEA" "dzynarodowym handlu dzikimi zwierz\xEAtami i ro\x9Clinami gatunk\xF3w zagro\xBFonych wygini\xEA" "ciem, Waszyngton, 1973 r."},  // 181
    {2, "\x8Cwiatowa Deklaracja Praw Zwierz\xB9t, 21.9.1977 r., Londyn."},  // 182
    {2, "Konwencja o ochronie w\xEA" "drownych gatunk\xF3w dzikich zwierz\xB9t, Bonn 1979 r."},  // 183
    {2, "Konwencja o ochronie dzikiej flory i fauny europejskiej oraz ich siedlisk, Berno, 19.09.1979 r."},  // 184
    {2, "\x8Cwiatowa Karta Przyrody, ONZ, 28.10.1982 r."},  // 185
    {2, "Deklaracja praw pami\xEA" "ci o Ziemi, 10-16 czerwca 1991 r. (UNESCO)."},  // 186
    {2, "Porozumienie o ochronie nietoperzy w Europie, Londyn, 4.12.1991 r."},  // 187
    {2, "Parki, obszary chronione i przysz\xB3o\x9C\xE6 ludzko\x9C" "ci, Deklaracja z Caracas, 10 -21.02.1992 r."},  // 188
    {2, "Konwencja o r\xF3\xBFnorodno\x9C" "ci biologicznej, 1992 r."},  // 189
    {2, "Deklaracja z Rio de Janeiro w sprawie \x9Crodowiska i rozwoju, 3-14.06.1992 r."},  // 190
    {2, "Karta Ziemi, projekt przed\xB3o\xBFony do globalnej konsultacji 18.03.1997 r. na Konferencji Rio+5"},  // 191
    {2, "Dyrektywa \"Ptasia\" Unii Europejskiej"},  // 192
    {2, "Dyrektywa \"Siedliskowa\" Unii Europejskiej"},  // 193
    {0, "Mi\xEA" "dzynarodowe instytucje, organizacje i formy ochrony przyrody"},  // 194
    {1, "Sieci ekologiczne"},  // 195
    {2, "CORINE  >  CORINE w Polsce"},  // 196
    {2, "EECONET "},  // 197
    {2, "ECONET-PL"},  // 198
    {2, "EMERALD"},  // 199
    {2, "NATURA 2000  >  NATURA 2000 w Polsce"},  // 200
    {2, "PEEN"},  // 201
    {1, "Rezerwaty Biosfery MaB"},  // 202
    {1, "IUCN"},  // 203
    {2, "Kategorie obszar\xF3w chronionych"},  // 204
    {1, "UNEP"},  // 205
    {1, "UNESCO"},  // 206
    {1, "Mi\xEA" "dzynarodowy status polskich obszar\xF3w chronionych"},  // 207
    {0, "Warunki przyrodnicze"},  // 208
    {1, "Biotopy Polski (wa\xBFniejsze)"},  // 209
    {2, "Wprowadzenie"},  // 210
    {2, "Spis pol./\xB3" "ac."},  // 211
    {2, "Spis \xB3" "ac./pol."},  // 212
    {2, "Charakterystyki wybranych obiekt\xF3w"},  // 213
    {1, "Klimat Polski"},  // 214
    {2, "Wprowadzenie"},  // 215
    {2, "Pi\xEAtra klimatyczne"},  // 216
    {1, "Gleby Polski"},  // 217
    {1, "Geologia Polski"},  // 218
    {2, "Mapa geologiczna Polski"},  // 219
    {2, "Plejstoce\xF1skie zlodowacenia "},  // 220
    {2, "Tabela stratygraficzna dla terenu Polski"},  // 221
    {0, "S\xB3ownik"},  // 222
    {1, "Wprowadzenie"},  // 223
    {1, "Indeksy wyszukiwawcze"},  // 224
    {0, "Bibliografia"},  // 225
    {1, "Pe\xB3na bibliografia p\xB3yty"},  // 226
    {1, "\x8Fr\xF3" "d\xB3" "a podstawowe"},  // 227
    {0, "Galeria"},  // 228
    {1, "Animacje zjawisk przyrodniczych"},  // 229
    {1, "Album fotograficzny"},  // 230
    {1, "Filmy video"},  // 231
}};
// clang-format on

}  // namespace velmora::tables

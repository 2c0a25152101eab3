// SPDX-License-Identifier: GPL-3.0-or-later
// Diary pages of Jerry Vazuva shown on the mission briefings Mise1 to Mise5.
#pragma once

#include <string_view>

namespace vargo::texts {

inline constexpr std::string_view mise1Diary =
    "Deník Jerryho Vazuvi\r\n"
    "Středa 13.8.03, tajná základna kdesi v poušti\r\n"
    "\r\n"
    "6:40 Probudil mě písek, který vítr v noci nafoukal pod plachtu stanu. Základna leží "
    "uprostřed ničeho, mezi dunami, a na žádné mapě ji nenajdete. Jsme tu třetí týden a kromě "
    "vedra, prachu a nekonečného výcviku se nic neděje. Kolda tvrdí, že i ještěrky si sem chodí "
    "pro vodu, protože jinde v okolí žádná není.\r\n"
    "13:32 Velitel nás po obědě svolal do velkého hangáru u přistávací dráhy. Zítra v noci "
    "seskočíme padákem za nepřátelskou linií, asi čtyřicet kilometrů za hranicí. Úkol zní "
    "jasně: najít tábor teroristů v dunách, zjistit, kolik jich tam je, a vyčistit cestu pro "
    "hlavní skupinu. Dostali jsme nové padáky, mapy a dvojitou dávku nábojů. Nikdo nic neříkal, "
    "jen Pepa se usmíval jako vždycky a Mike si psal souřadnice na ruku.\r\n"
    "21:15 Balím batoh a kontroluji zbraň už počtvrté. Venku je zima, jaká v poušti v noci "
    "bývá, a nebe je plné hvězd. Mike hraje na foukací harmoniku a ostatní mlčí. Kolda znovu "
    "čte dopis od své dívky a tváří se, že ho nikdo nevidí. Myslím na domov a na to, jestli se "
    "vrátíme všichni. Ráno ještě poslední cvičný seskok a pak už to bude naostro. Jsme Vargo. "
    "My to zvládneme.\r\n";

inline constexpr std::string_view mise2Diary =
    "Sobota 27.9.03 Někde ve Vietnamských pralesích\r\n"
    "\r\n"
    "5:20 Vrtulník nás vysadil na malé mýtině uprostřed pralesa. Vzduch je tak vlhký, že by se "
    "dal pít, a všude bzučí komáři. Akce v poušti dopadla dobře, nikdo nebyl zraněný, a tak nás "
    "velení poslalo rovnou sem.\r\n"
    "7:05 Náš úkol je oslabit obranu nepřátelské základny, která leží asi dva kilometry na "
    "sever u potoka. Teroristé tam mají sklad zbraní a hlídky schované mezi stromy a v křoví. "
    "Musíme vyčistit okolí, aby hlavní skupina mohla v noci bez ztrát zaútočit.\r\n"
    "9:40 Postupujeme pomalu, krok za krokem. Kolda jde vpředu a seká liány svou mačetou. Pepa "
    "zapadl do bažiny po pás a Mike se smál tak nahlas, že ho seržant musel okřiknout. Pak jsme "
    "zaslechli hlasy a všichni ztuhli na místě.\r\n"
    "10:15 Před námi je první linie obrany. Za každým kmenem a v každém křoví může někdo být a "
    "v tom zeleném šeru není vidět ani na dvacet metrů. Zalehli jsme v kapradí a čekáme na "
    "signál. Srdce mi buší až v krku a pot mi teče do očí. Teď to začne.\r\n";

inline constexpr std::string_view mise3Diary =
    "Úterý 14.10.2003\r\n"
    "\r\n"
    "7:30 Pepa dostal v noci horečku a ráno se nemohl ani postavit. Doktor říká, že si z "
    "pralesa přivezl nějakou tropickou nemoc a že nejméně měsíc nikam nepoletí. Je mi ho líto, "
    "bez jeho smíchu to nebude ono.\r\n"
    "10:45 Místo Pepy k nám přidělili Marka Hrubého, kterému všichni začali říkat Medvěd. Je "
    "obrovský, mluví málo a prý střílí líp než kdokoli z nás. Při první společné snídani snědl "
    "čtyři chleby. Uvidíme, jak se osvědčí v ostrém boji.\r\n"
    "16:20 Sedíme v letadle a letíme daleko na studený sever. Pilot hlásí mínus dvacet a "
    "sněhovou bouři. Teroristé se skrývají v ledové pustině u staré polární stanice a mají tam "
    "kulomet. Vyfasovali jsme bílé kombinézy, teplé rukavice a lyže a já už teď mrznu.\r\n";

inline constexpr std::string_view mise4Diary =
    "Úterý 23.12.2003\r\n"
    "\r\n"
    "4:50 Budíček ještě za tmy. Místo Vánoc doma nás čeká zase poušť. Velitel nám na letišti "
    "řekl, že teroristé ukryli v opuštěné továrně bombu a hrozí, že ji v poledne odpálí, pokud "
    "jim vláda nesplní všechny požadavky.\r\n"
    "6:15 Letíme nízko nad dunami, aby nás nezachytil jejich radar. Náš úkol je snadný jen na "
    "papíře: obsadit pozice kolem továrny a držet je, dokud nedorazí komando pyrotechniků, "
    "které má tu bombu najít a zneškodnit.\r\n"
    "7:40 Vysadili nás u velké skály kousek od továrny. Opodál stojí stará dřevěná strážní věž "
    "a nahoře se něco pohnulo. Medvěd hned zalehl za kámen, Mike se přikrčil za dunou a já jsem "
    "potichu odjistil zbraň.\r\n"
    "8:05 Začali po nás střílet z věže i zpoza dun. Jsou jich desítky a pořád přibývají, jako "
    "by je ta poušť sama rodila. Kolda křičí do vysílačky, kde jsou ti pyrotechnici, ale "
    "odpovídá mu jen šum a praskání.\r\n"
    "9:30 Držíme se tu už skoro hodinu a půl. Písek je všude, v očích, v puse i v závěru "
    "zbraně. Náboje docházejí a slunce pálí jako v peci. Doma teď asi zdobí stromeček a maminka "
    "peče vanilkové rohlíčky.\r\n"
    "10:10 Rádio konečně hlásí, že komando je na cestě a bude tu do hodiny. Musíme vydržet "
    "ještě chvíli. Kolda rozdělil poslední zásobníky. Jen ať už jsou proboha tady.\r\n";

inline constexpr std::string_view mise5Diary =
    "Úterý 23.12.2003\r\n"
    "\r\n"
    "11:20 Vydrželi jsme. Pyrotechnici přiletěli dvěma vrtulníky a teroristé, kteří přežili, se "
    "stáhli do továrny. Nikdo z nás není vážně zraněný, jen Mike má škrábnutí na rameni a "
    "nadává, že mu zničili novou bundu. Medvěd mu řekl, že aspoň bude mít co vyprávět "
    "vnoučatům.\r\n"
    "11:45 Jdeme za komandem dovnitř. Chodby jsou tmavé, plné trubek, rezavých nádrží a prachu. "
    "Pyrotechnici postupují pomalu, každý kabel si prohlížejí baterkou, a my jim kryjeme záda. "
    "Za každými dveřmi může čekat nastražená past nebo další ozbrojenec s granátem.\r\n"
    "12:10 Konečně jsme došli do velké haly uprostřed budovy. Kolem dokola vede ochoz se "
    "zábradlím, nahoře jsou dveře a na podlaze leží obří roura. Bomba je v místnosti za halou. "
    "Pyrotechnici říkají, že potřebují alespoň půl hodiny klidu, jinak to nestihnou.\r\n"
    "12:15 Velitel nám rozkázal bránit halu za každou cenu. Medvěd zalehl za bednu, Kolda hlídá "
    "dveře a já mířím na ochoz. Odtamtud se už ozývají první výstřely. Pyrotechnici za našimi "
    "zády tiše pracují a my jen doufáme, že se jim ruce nebudou třást. Tohle bude nejdelší "
    "půlhodina mého života.\r\n";

}  // namespace vargo::texts

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>FillTexts</name>
    <message>
        <source>Fill the free space of the volume that holds %1 (%2 free) with the fill, %3, each pass flushed to the device?</source>
        <translation>Wypełnić wolne miejsce woluminu, na którym leży %1 (wolne: %2), wypełnieniem, %3, każde przejście zrzucone na urządzenie?</translation>
    </message>
    <message>
        <source>While a pass goes on the volume is full, and other programs cannot write to it; the space is given back as soon as each pass ends, and if Wypelark ends meanwhile, however it ends.</source>
        <translation>Podczas przejścia wolumin jest pełny i inne programy nie mogą na nim zapisywać; miejsce wraca zaraz po końcu każdego przejścia, a także gdy Wypelark w tym czasie się zakończy, w jakikolwiek sposób.</translation>
    </message>
    <message>
        <source>%1 is kept for the system administrator and cannot be filled without administrator rights; it stays as it is.</source>
        <translation>%1 jest zarezerwowane dla administratora systemu i bez jego uprawnień nie da się tego wypełnić; zostaje bez zmian.</translation>
    </message>
    <message>
        <source>This file system copies on write: the fill lands where it chooses, and blocks it keeps for itself or for snapshots are not reached.</source>
        <translation>Ten system plików kopiuje przy zapisie: wypełnienie trafia tam, gdzie on zdecyduje, a bloki zachowane dla siebie lub dla migawek nie zostają osiągnięte.</translation>
    </message>
    <message>
        <source>This is an overlay mount: the fill reaches only the free space of the volume of its upper layer.</source>
        <translation>To montowanie nakładkowe (overlay): wypełnienie sięga tylko wolnego miejsca woluminu jego górnej warstwy.</translation>
    </message>
    <message>
        <source>This is a FUSE file system: the program behind it decides where the fill lands.</source>
        <translation>To system plików FUSE: program za nim decyduje, gdzie trafia wypełnienie.</translation>
    </message>
    <message>
        <source>This volume lies on flash storage: the device keeps spare blocks the fill cannot reach. Encryption, or fstrim where the device supports it, serves better.</source>
        <translation>Ten wolumin leży na pamięci flash: urządzenie trzyma zapasowe bloki, których wypełnienie nie osiągnie. Lepiej służy szyfrowanie albo fstrim, gdzie urządzenie je obsługuje.</translation>
    </message>
    <message>
        <source>The free space could not be filled: %1</source>
        <translation>Nie udało się wypełnić wolnego miejsca: %1</translation>
    </message>
    <message>
        <source>The fill was ended before its last pass; its space was given back.</source>
        <translation>Wypełnianie zakończono przed ostatnim przejściem; jego miejsce zostało zwrócone.</translation>
    </message>
    <message numerus="yes">
        <source>The free space was filled %Ln times (%1 the last time), each pass flushed to the device and given back.</source>
        <translation>
            <numerusform>Wolne miejsce wypełniono %Ln raz (ostatnio %1), każde przejście zrzucone na urządzenie i zwrócone.</numerusform>
            <numerusform>Wolne miejsce wypełniono %Ln razy (ostatnio %1), każde przejście zrzucone na urządzenie i zwrócone.</numerusform>
            <numerusform>Wolne miejsce wypełniono %Ln razy (ostatnio %1), każde przejście zrzucone na urządzenie i zwrócone.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of free space stayed untouched: blocks kept for the system administrator, or by the file system for itself.</source>
        <translation>%1 wolnego miejsca zostało nietknięte: bloki zarezerwowane dla administratora systemu lub przez system plików dla siebie.</translation>
    </message>
    <message>
        <source>Filling the free space of the volume that holds %1</source>
        <translation>Wypełnianie wolnego miejsca woluminu, na którym leży %1</translation>
    </message>
    <message>
        <source>The paused fill holds %1 of the volume&apos;s free space. End it, give the space back, and close?</source>
        <translation>Wstrzymane wypełnianie trzyma %1 wolnego miejsca woluminu. Zakończyć je, zwrócić miejsce i zamknąć?</translation>
    </message>
    <message>
        <source>Paused: the fill holds %1 of free space, and the disk stays full, until it goes on or ends.</source>
        <translation>Wstrzymano: wypełnienie trzyma %1 wolnego miejsca, a dysk pozostaje pełny, dopóki nie będzie kontynuowane lub zakończone.</translation>
    </message>
    <message>
        <source>The fill read back other than it was written: the device does not keep what it is given, and its free space cannot be trusted to be overwritten.</source>
        <translation>Wypełnienie odczytało się inaczej, niż zostało zapisane: urządzenie nie zachowuje tego, co dostaje, i nie można ufać, że jego wolne miejsce zostało nadpisane.</translation>
    </message>
    <message>
        <source>Each pass was read back from the device before its space was given back, and held only the fill.</source>
        <translation>Każde przejście odczytano z urządzenia, zanim jego miejsce zostało zwrócone, i zawierało tylko wypełnienie.</translation>
    </message>
    <message>
        <source>Each pass was read back and held only the fill, but through the page cache or memory, not from a device.</source>
        <translation>Każde przejście odczytano i zawierało tylko wypełnienie, ale przez pamięć podręczną stron lub pamięć, nie z urządzenia.</translation>
    </message>
    <message>
        <source>The free space could not be filled</source>
        <translation>Nie udało się wypełnić wolnego miejsca</translation>
    </message>
    <message>
        <source>The fill ended early; its space was given back</source>
        <translation>Wypełnianie zakończyło się wcześniej; jego miejsce zostało zwrócone</translation>
    </message>
    <message>
        <source>Free space filled: %1 of %2</source>
        <translation>Wolne miejsce wypełnione: %1 po %2</translation>
    </message>
    <message>
        <source>Ended: not filled</source>
        <translation>Koniec: nie wypełniono</translation>
    </message>
    <message>
        <source>The free space was then trimmed: the device was told that %1 are unused, so that flash storage can erase them.</source>
        <translation>Wolne miejsce zostało następnie przycięte (trim): urządzenie dowiedziało się, że %1 jest nieużywane, aby pamięć flash mogła je wymazać.</translation>
    </message>
    <message>
        <source>The free space was not trimmed: only root may discard a volume&apos;s free blocks (sudo wypelark-cli --free-space trims them).</source>
        <translation>Wolne miejsce nie zostało przycięte: tylko root może zwolnić wolne bloki woluminu (sudo wypelark-cli --free-space je przycina).</translation>
    </message>
    <message>
        <source>The free space was not trimmed: %1</source>
        <translation>Wolne miejsce nie zostało przycięte: %1</translation>
    </message>
</context>
<context>
    <name>ProofTexts</name>
    <message>
        <source>the file system does not tell where the file&apos;s data lies</source>
        <translation>system plików nie mówi, gdzie leżą dane pliku</translation>
    </message>
    <message>
        <source>the file system (btrfs, ZFS, bcachefs) maps addresses of its own, not the device&apos;s</source>
        <translation>system plików (btrfs, ZFS, bcachefs) odwzorowuje własne adresy, nie adresy urządzenia</translation>
    </message>
    <message>
        <source>no device of this machine holds the file&apos;s data (network, FUSE, overlay or memory)</source>
        <translation>żadne urządzenie tego komputera nie przechowuje danych pliku (sieć, FUSE, overlay lub pamięć)</translation>
    </message>
    <message>
        <source>part of the data is kept encrypted, packed, inline or not yet placed</source>
        <translation>część danych jest zaszyfrowana, spakowana, wpisana w i-węzeł lub jeszcze nie rozmieszczona</translation>
    </message>
    <message>
        <source>its blocks are shared with another file or a snapshot</source>
        <translation>jego bloki są współdzielone z innym plikiem lub migawką</translation>
    </message>
    <message>
        <source>no device node of this machine reads the device</source>
        <translation>żaden węzeł urządzenia na tym komputerze nie odczytuje tego urządzenia</translation>
    </message>
    <message>
        <source>this user may not read the device, and Wypelark never asks for more rights</source>
        <translation>ten użytkownik nie może czytać urządzenia, a Wypelark nigdy nie prosi o większe uprawnienia</translation>
    </message>
    <message numerus="yes">
        <source>every block of the file on the device holds the fill (%n piece(s), %1); it had moved, and its old blocks hold the fill too</source>
        <translation>
            <numerusform>każdy blok pliku na urządzeniu zawiera wypełnienie (%n fragment, %1); plik się przemieścił, a jego stare bloki też zawierają wypełnienie</numerusform>
            <numerusform>każdy blok pliku na urządzeniu zawiera wypełnienie (%n fragmenty, %1); plik się przemieścił, a jego stare bloki też zawierają wypełnienie</numerusform>
            <numerusform>każdy blok pliku na urządzeniu zawiera wypełnienie (%n fragmentów, %1); plik się przemieścił, a jego stare bloki też zawierają wypełnienie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>every block of the file on the device holds the fill (%n piece(s), %1)</source>
        <translation>
            <numerusform>każdy blok pliku na urządzeniu zawiera wypełnienie (%n fragment, %1)</numerusform>
            <numerusform>każdy blok pliku na urządzeniu zawiera wypełnienie (%n fragmenty, %1)</numerusform>
            <numerusform>każdy blok pliku na urządzeniu zawiera wypełnienie (%n fragmentów, %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the old copy is still on the device, in %n block(s) that are now free space</source>
        <translation>
            <numerusform>stara kopia wciąż jest na urządzeniu, w %n bloku, który jest teraz wolnym miejscem</numerusform>
            <numerusform>stara kopia wciąż jest na urządzeniu, w %n blokach, które są teraz wolnym miejscem</numerusform>
            <numerusform>stara kopia wciąż jest na urządzeniu, w %n blokach, które są teraz wolnym miejscem</numerusform>
        </translation>
    </message>
    <message>
        <source>a block of the file on the device holds other than the fill</source>
        <translation>blok pliku na urządzeniu zawiera coś innego niż wypełnienie</translation>
    </message>
    <message>
        <source>the device&apos;s blocks could not be checked: %1</source>
        <translation>nie można było sprawdzić bloków urządzenia: %1</translation>
    </message>
    <message>
        <source>from the device</source>
        <translation>z urządzenia</translation>
    </message>
    <message>
        <source>only through the cache</source>
        <translation>tylko przez pamięć podręczną</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>nie odczytano</translation>
    </message>
    <message>
        <source>destroyed</source>
        <translation>zniszczony</translation>
    </message>
    <message>
        <source>not destroyed</source>
        <translation>nie zniszczony</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>odrzucony</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Przebiegi</translation>
    </message>
    <message>
        <source>Flushed</source>
        <translation>Zapisane na urządzenie</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Odczyt kontrolny</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Powód</translation>
    </message>
    <message>
        <source>Storage remark</source>
        <translation>Uwaga o nośniku</translation>
    </message>
    <message>
        <source>Run record</source>
        <translation>Zapis przebiegu</translation>
    </message>
    <message>
        <source>on %1 (%2)</source>
        <translation>na %1 (%2)</translation>
    </message>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <source>every pass</source>
        <translation>każdy przebieg</translation>
    </message>
    <message numerus="yes">
        <source>The old copy of %n destroyed file(s) is still on the device, in blocks that are now free space: the file system had moved the data before the overwrite reached it. Wiping the volume&apos;s free space overwrites those blocks.</source>
        <translation>
            <numerusform>Stara kopia %n zniszczonego pliku wciąż jest na urządzeniu, w blokach, które są teraz wolnym miejscem: system plików przeniósł dane, zanim dotarło do nich nadpisanie. Wymazanie wolnego miejsca woluminu nadpisze te bloki.</numerusform>
            <numerusform>Stare kopie %n zniszczonych plików wciąż są na urządzeniu, w blokach, które są teraz wolnym miejscem: system plików przeniósł dane, zanim dotarło do nich nadpisanie. Wymazanie wolnego miejsca woluminu nadpisze te bloki.</numerusform>
            <numerusform>Stare kopie %n zniszczonych plików wciąż są na urządzeniu, w blokach, które są teraz wolnym miejscem: system plików przeniósł dane, zanim dotarło do nich nadpisanie. Wymazanie wolnego miejsca woluminu nadpisze te bloki.</numerusform>
        </translation>
    </message>
    <message>
        <source>Run Record… in the list&apos;s menu (Ctrl+Shift+R) shows what became of every file, and keeps the record as PDF or JSON.</source>
        <translation>Zapis przebiegu… w menu listy (Ctrl+Shift+R) pokazuje, co stało się z każdym plikiem, i zachowuje zapis jako PDF lub JSON.</translation>
    </message>
    <message numerus="yes">
        <source>Run from %1 to %2 on %3 by %4: %n pass(es) of the byte 0x30 (the character 0)</source>
        <translation>
            <numerusform>Przebieg od %1 do %2 na %3, użytkownik %4: %n przebieg bajtem 0x30 (znak 0)</numerusform>
            <numerusform>Przebieg od %1 do %2 na %3, użytkownik %4: %n przebiegi bajtem 0x30 (znak 0)</numerusform>
            <numerusform>Przebieg od %1 do %2 na %3, użytkownik %4: %n przebiegów bajtem 0x30 (znak 0)</numerusform>
        </translation>
    </message>
    <message>
        <source>Operator: %1</source>
        <translation>Operator: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Uwaga: %1</translation>
    </message>
</context>
<context>
    <name>ShredCommand</name>
    <message>
        <source>Overwrites files in place with the character 0, pass after pass, each pass flushed to the device, then deletes them.</source>
        <translation>Nadpisuje pliki w miejscu znakiem 0, przebieg po przebiegu, każdy przebieg zapisany na urządzenie, a potem je usuwa.</translation>
    </message>
    <message>
        <source>Destroy every regular file below the folders given, then remove the folders it emptied.</source>
        <translation>Zniszcz każdy zwykły plik w podanych folderach, a potem usuń foldery, które opróżniono.</translation>
    </message>
    <message>
        <source>Print what would be destroyed; change nothing.</source>
        <translation>Wypisz, co zostałoby zniszczone; niczego nie zmieniaj.</translation>
    </message>
    <message>
        <source>No progress and no report of destroyed files; failures only.</source>
        <translation>Bez postępu i bez listy zniszczonych plików; tylko niepowodzenia.</translation>
    </message>
    <message>
        <source>Files to destroy.</source>
        <translation>Pliki do zniszczenia.</translation>
    </message>
    <message>
        <source>Try &apos;wypelark-cli --help&apos;.</source>
        <translation>Spróbuj &apos;wypelark-cli --help&apos;.</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>nie podano żadnego pliku</translation>
    </message>
    <message>
        <source>destroyed %1</source>
        <translation>zniszczono %1</translation>
    </message>
    <message>
        <source>read back from the device: %1</source>
        <translation>odczytano z urządzenia: %1</translation>
    </message>
    <message>
        <source>read back from memory only, not from a device: %1</source>
        <translation>odczytano tylko z pamięci, nie z urządzenia: %1</translation>
    </message>
    <message>
        <source>read back %1 MB in %2 s (%3 MB/s)</source>
        <translation>odczytano %1 MB w %2 s (%3 MB/s)</translation>
    </message>
    <message>
        <source>folder kept: %1: %2</source>
        <translation>folder zachowany: %1: %2</translation>
    </message>
    <message>
        <source>%1: %2; skipped</source>
        <translation>%1: %2; pominięto</translation>
    </message>
    <message>
        <source>would destroy %1 (%2 bytes, %3 passes)</source>
        <translation>zniszczyłby %1 (bajtów: %2, przebiegów: %3)</translation>
    </message>
    <message>
        <source>interrupted: %1 is partly overwritten and still exists</source>
        <translation>przerwano: %1 jest częściowo nadpisany i nadal istnieje</translation>
    </message>
    <message>
        <source>Overwrite N times, %1 to %2 (default %1); &apos;stored&apos; takes the count the window stored.</source>
        <translation>Nadpisz N razy, od %1 do %2 (domyślnie %1); &apos;stored&apos; bierze liczbę zapamiętaną przez okno.</translation>
    </message>
    <message>
        <source>--passes takes a whole number from %1 to %2, or stored</source>
        <translation>--passes przyjmuje liczbę całkowitą od %1 do %2 albo stored</translation>
    </message>
    <message>
        <source>another program&apos;s file that took its name is now at %1</source>
        <translation>plik innego programu, który zajął jego nazwę, jest teraz w %1</translation>
    </message>
    <message>
        <source>Instead of destroying files, fill the free space of the volume that holds FOLDER, once per pass, each pass flushed, then give it back. The fill has no name, so the space comes back however the program ends.</source>
        <translation>Zamiast niszczyć pliki, wypełnij wolne miejsce woluminu, na którym leży FOLDER, raz na przejście, każde przejście zrzucone, potem je zwróć. Wypełnienie nie ma nazwy, więc miejsce wraca, jakkolwiek program się zakończy.</translation>
    </message>
    <message>
        <source>would fill %1 of free space on the volume that holds %2, %3</source>
        <translation>wypełniłby %1 wolnego miejsca na woluminie, na którym leży %2, %3</translation>
    </message>
    <message>
        <source>Print the report as JSON (json) or as text (text, the default) on standard output.</source>
        <translation>Wypisz raport jako JSON (json) lub jako tekst (text, domyślnie) na standardowe wyjście.</translation>
    </message>
    <message>
        <source>Keep the JSON record of the run in FILE as well: who ran it, where and when, and what became of every file.</source>
        <translation>Zachowaj też zapis JSON przebiegu w pliku FILE: kto go uruchomił, gdzie i kiedy, oraz co stało się z każdym plikiem.</translation>
    </message>
    <message>
        <source>--report takes json or text</source>
        <translation>--report przyjmuje json lub text</translation>
    </message>
    <message>
        <source>the report could not be written to %1: %2</source>
        <translation>nie udało się zapisać raportu do %1: %2</translation>
    </message>
    <message>
        <source>Read each file back from the device after its last pass; delete it only if every byte is the fill. --verify=blocks also asks the file system where the file lies before the first pass and after the last, reads those blocks from the block device itself, and says whether an old copy is left there.</source>
        <translation>Odczytaj każdy plik z urządzenia po ostatnim przebiegu; usuń go tylko, jeśli każdy bajt jest wypełnieniem. --verify=blocks pyta też system plików, gdzie leży plik przed pierwszym i po ostatnim przebiegu, czyta te bloki z samego urządzenia blokowego i mówi, czy została tam stara kopia.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>--free-space takes a folder, not the option %1 (write ./%1 for a folder of that name)</source>
        <translation>--free-space przyjmuje folder, a nie opcję %1 (folder o tej nazwie zapisz jako ./%1)</translation>
    </message>
    <message>
        <source>Name NAME in the record as the person who ran the command.</source>
        <translation>Zapisz w zapisie NAME jako osobę, która uruchomiła polecenie.</translation>
    </message>
    <message>
        <source>Keep TEXT in the record&apos;s head: a ticket, a device&apos;s label, a reason.</source>
        <translation>Zachowaj TEXT w nagłówku zapisu: zgłoszenie, etykietę urządzenia, powód.</translation>
    </message>
    <message>
        <source>Keep the record of the run in FILE as a PDF as well, the document the window&apos;s Run Record saves.</source>
        <translation>Zachowaj też zapis przebiegu jako PDF w pliku FILE, ten sam dokument, który zapisuje Zapis przebiegu w oknie.</translation>
    </message>
    <message>
        <source>this build of wypelark-cli makes no PDF</source>
        <translation>ta kompilacja wypelark-cli nie tworzy plików PDF</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <translation>%1 (wcześniej %2)</translation>
    </message>
    <message>
        <source>Instead of the files named, destroy everything in your trash cans: the home Trash and those of the volumes mounted. Each file&apos;s record of where it came from goes only after the file.</source>
        <translation>Zamiast podanych plików niszczy wszystko, co jest w twoich koszach: w Koszu w katalogu domowym i w koszach zamontowanych woluminów. Zapis o tym, skąd plik pochodzi, znika dopiero po samym pliku.</translation>
    </message>
    <message>
        <source>--free-space takes no files, no --recursive and no --trash</source>
        <translation>--free-space nie przyjmuje plików ani --recursive, ani --trash</translation>
    </message>
    <message>
        <source>--trash takes no files</source>
        <translation>--trash nie przyjmuje plików</translation>
    </message>
    <message>
        <source>After --free-space, do not trim the free space. Without it the free blocks are discarded after the last pass where the device takes discards and the program runs as root, as fstrim does.</source>
        <translation>Po --free-space nie przycina wolnego miejsca. Bez tej opcji wolne bloki są zwalniane po ostatnim przebiegu, jeśli urządzenie to obsługuje, a program działa jako root, tak jak robi to fstrim.</translation>
    </message>
</context>
<context>
    <name>TrashTexts</name>
    <message>
        <source>Records where a file in the Trash came from, and that file is still there; left alone</source>
        <translation>Zapisuje, skąd pochodzi plik w Koszu, a ten plik nadal istnieje; pozostawiony</translation>
    </message>
    <message>
        <source>A shared trash folder that is not sticky, so that anyone could have put files in it; not entered</source>
        <translation>Wspólny folder kosza bez bitu sticky, więc każdy mógł w nim umieścić pliki; nie otwierano go</translation>
    </message>
    <message>
        <source>The volume is not mounted: its trash can, if it has one, was not reached</source>
        <translation>Wolumin nie jest zamontowany: jego kosz, jeśli go ma, nie został osiągnięty</translation>
    </message>
    <message>
        <source>The Trash is empty: nothing was added</source>
        <translation>Kosz jest pusty: nic nie dodano</translation>
    </message>
</context>
<context>
    <name>WipeTexts</name>
    <message>
        <source>Is a symbolic link; neither it nor its target was touched</source>
        <translation>To dowiązanie symboliczne; nie tknięto ani jego, ani jego celu</translation>
    </message>
    <message>
        <source>Not a regular file; left alone</source>
        <translation>To nie jest zwykły plik; pozostawiono go</translation>
    </message>
    <message>
        <source>No overwrite pass was made; the file was left alone</source>
        <translation>Nie wykonano żadnego przebiegu nadpisywania; plik pozostawiono</translation>
    </message>
    <message>
        <source>Changed since it was added: the name, or a folder on its way, now leads to another file; nothing there was touched</source>
        <translation>Zmienił się od dodania: nazwa albo folder na jego ścieżce prowadzi teraz do innego pliku; niczego tam nie tknięto</translation>
    </message>
    <message>
        <source>Lies on one of the kernel&apos;s own file systems (sysfs, procfs and the like), whose files are settings, not data; left alone</source>
        <translation>Leży w jednym z własnych systemów plików jądra (sysfs, procfs i podobnych), których pliki są ustawieniami, a nie danymi; pozostawiono go</translation>
    </message>
    <message>
        <source>Another program kept writing to it; it was left in place</source>
        <translation>Inny program wciąż do niego zapisywał; pozostawiono go na miejscu</translation>
    </message>
    <message>
        <source>What was read back differs from what was written; the file was left</source>
        <translation>Odczytana zawartość różni się od zapisanej; plik pozostawiono</translation>
    </message>
    <message>
        <source>Another file system, or another mount of one, is mounted here; it was not entered</source>
        <translation>Zamontowano tu inny system plików albo inne zamontowanie tego samego; nie wchodzono do niego</translation>
    </message>
    <message>
        <source>An empty argument names no file; nothing was looked for</source>
        <translation>Pusty argument nie wskazuje żadnego pliku; niczego nie szukano</translation>
    </message>
    <message>
        <source>Holds something other than the fill; left alone</source>
        <translation>Zawiera coś innego niż wypełnienie; pozostawiono go</translation>
    </message>
    <message>
        <source>Belongs to another user, or has other names; left alone</source>
        <translation>Należy do innego użytkownika albo ma inne nazwy; pozostawiono go</translation>
    </message>
    <message>
        <source>The run was interrupted while overwriting it: it is partly overwritten and still exists</source>
        <translation>Przebieg przerwano podczas jego nadpisywania: jest częściowo nadpisany i nadal istnieje</translation>
    </message>
    <message>
        <source>The run was interrupted before it got to this file; it is untouched</source>
        <translation>Przebieg przerwano, zanim dotarł do tego pliku; jest nietknięty</translation>
    </message>
    <message>
        <source>A sparse file whose holes would not fit in the free space of its volume; left alone</source>
        <translation>Plik rzadki, którego dziury nie zmieściłyby się w wolnym miejscu woluminu; pozostawiono go</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>These files were not destroyed:</source>
        <translation>Tych plików nie zniszczono:</translation>
    </message>
    <message>
        <source>Another program&apos;s file took its name meanwhile and could not be put back; it is now at %1</source>
        <translation>Plik innego programu zajął w międzyczasie jego nazwę i nie dało się go przywrócić; jest teraz w %1</translation>
    </message>
    <message>
        <source>An earlier run was stopped after overwriting these files and before deleting them; they held only the fill and were deleted now:</source>
        <translation>Wcześniejszy przebieg zatrzymano po nadpisaniu tych plików, a przed ich usunięciem; zawierały tylko wypełnienie i zostały teraz usunięte:</translation>
    </message>
    <message>
        <source>These files have the hidden names an interrupted run leaves behind, but were left alone:</source>
        <translation>Te pliki mają ukryte nazwy, które zostawia przerwany przebieg, ale pozostawiono je:</translation>
    </message>
    <message>
        <source>error %1, %2</source>
        <translation>błąd %1, %2</translation>
    </message>
    <message>
        <source>could not be opened</source>
        <translation>nie dał się otworzyć</translation>
    </message>
    <message>
        <source>could not be measured</source>
        <translation>nie dał się zmierzyć</translation>
    </message>
    <message>
        <source>could not be overwritten</source>
        <translation>nie dał się nadpisać</translation>
    </message>
    <message>
        <source>could not be flushed to the device</source>
        <translation>nie dał się zapisać na urządzenie</translation>
    </message>
    <message>
        <source>could not be closed</source>
        <translation>nie dał się zamknąć</translation>
    </message>
    <message>
        <source>was overwritten, but the device does not give the overwrite back</source>
        <translation>został nadpisany, ale urządzenie nie oddaje nadpisanej zawartości</translation>
    </message>
    <message>
        <source>was overwritten but could not be deleted</source>
        <translation>został nadpisany, ale nie dał się usunąć</translation>
    </message>
    <message>
        <source>was overwritten and deleted, but its folder could not be flushed to the device, so its name may come back after a power cut</source>
        <translation>został nadpisany i usunięty, ale jego folderu nie dało się zapisać na urządzenie, więc po zaniku zasilania jego nazwa może wrócić</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>nie powiódł się</translation>
    </message>
    <message>
        <source>On a copy-on-write or log-structured file system new writes go to new blocks, so the old blocks of these files stay on the device until they are reused:</source>
        <translation>W systemie plików typu copy-on-write lub o strukturze dziennika nowe zapisy trafiają do nowych bloków, więc stare bloki tych plików zostają na urządzeniu, dopóki nie zostaną użyte ponownie:</translation>
    </message>
    <message>
        <source>On an overlay mount the writes went to the upper layer; a copy of these files in a lower layer is still there:</source>
        <translation>W zamontowaniu nakładkowym zapisy trafiły do górnej warstwy; kopia tych plików w niższej warstwie nadal tam jest:</translation>
    </message>
    <message>
        <source>On a network or FUSE file system the server or the FUSE program decides where writes go, so the old data of these files may remain there:</source>
        <translation>W sieciowym systemie plików lub FUSE o miejscu zapisu decyduje serwer lub program FUSE, więc stare dane tych plików mogą tam pozostać:</translation>
    </message>
    <message>
        <source>These files had other names (hard links): their content was overwritten, but their other names remain, holding the overwritten content:</source>
        <translation>Te pliki miały inne nazwy (dowiązania twarde): ich zawartość nadpisano, ale inne nazwy pozostają, z nadpisaną zawartością:</translation>
    </message>
    <message>
        <source>These files got shorter while they were overwritten; the blocks they gave back were not overwritten and may still hold old data:</source>
        <translation>Te pliki skróciły się podczas nadpisywania; zwolnionych przez nie bloków nie nadpisano i mogą nadal zawierać stare dane:</translation>
    </message>
    <message>
        <source>it still holds files or folders</source>
        <translation>nadal zawiera pliki lub foldery</translation>
    </message>
    <message>
        <source>; another program&apos;s folder took its name meanwhile and could not be put back, it is now at %1</source>
        <translation>; folder innego programu zajął w międzyczasie jego nazwę i nie dało się go przywrócić, jest teraz w %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files could not be destroyed.</source>
        <translation>
            <numerusform>Nie udało się zniszczyć %1 z %Ln pliku.</numerusform>
            <numerusform>Nie udało się zniszczyć %1 z %Ln plików.</numerusform>
            <numerusform>Nie udało się zniszczyć %1 z %Ln plików.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>For %Ln destroyed files the overwrite may not have reached every old copy.</source>
        <translation>
            <numerusform>Dla %Ln zniszczonego pliku nadpisanie mogło nie objąć wszystkich starych kopii.</numerusform>
            <numerusform>Dla %Ln zniszczonych plików nadpisanie mogło nie objąć wszystkich starych kopii.</numerusform>
            <numerusform>Dla %Ln zniszczonych plików nadpisanie mogło nie objąć wszystkich starych kopii.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %Ln files were destroyed, but for %1 of them the overwrite may not have reached every old copy.</source>
        <translation>
            <numerusform>Zniszczono %Ln plik, ale dla %1 z nich nadpisanie mogło nie objąć wszystkich starych kopii.</numerusform>
            <numerusform>Zniszczono wszystkie %Ln pliki, ale dla %1 z nich nadpisanie mogło nie objąć wszystkich starych kopii.</numerusform>
            <numerusform>Zniszczono wszystkie %Ln plików, ale dla %1 z nich nadpisanie mogło nie objąć wszystkich starych kopii.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %Ln files were destroyed.</source>
        <translation>
            <numerusform>Zniszczono %Ln plik.</numerusform>
            <numerusform>Zniszczono wszystkie %Ln pliki.</numerusform>
            <numerusform>Zniszczono wszystkie %Ln plików.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files left behind by an interrupted run were found.</source>
        <translation>
            <numerusform>Znaleziono %Ln plik pozostawiony przez przerwany przebieg.</numerusform>
            <numerusform>Znaleziono %Ln pliki pozostawione przez przerwany przebieg.</numerusform>
            <numerusform>Znaleziono %Ln plików pozostawionych przez przerwany przebieg.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of the folders added were not removed.</source>
        <translation>
            <numerusform>Nie usunięto %Ln z dodanych folderów.</numerusform>
            <numerusform>Nie usunięto %Ln z dodanych folderów.</numerusform>
            <numerusform>Nie usunięto %Ln z dodanych folderów.</numerusform>
        </translation>
    </message>
    <message>
        <source>These folders were added as folders and were kept:</source>
        <translation>Te foldery dodano jako foldery i zachowano:</translation>
    </message>
    <message>
        <source>These files were not added to the list:</source>
        <translation>Tych plików nie dodano do listy:</translation>
    </message>
    <message>
        <source>Only files and folders of this computer can be dropped here.</source>
        <translation>Można tu upuszczać tylko pliki i foldery z tego komputera.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <translation>
            <numerusform>%Ln folder</numerusform>
            <numerusform>%Ln foldery</numerusform>
            <numerusform>%Ln folderów</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove the %1 added as folders, where they are empty? This cannot be undone.</source>
        <translation>Usunąć %1 dodane jako foldery, tam gdzie są puste? Tego nie można cofnąć.</translation>
    </message>
    <message>
        <source>Destroy %1 (%2) with %3? This cannot be undone.</source>
        <translation>Zniszczyć %1 (%2), wykonując %3? Tego nie można cofnąć.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln plik</numerusform>
            <numerusform>%Ln pliki</numerusform>
            <numerusform>%Ln plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passes</source>
        <translation>
            <numerusform>%Ln przebieg</numerusform>
            <numerusform>%Ln przebiegi</numerusform>
            <numerusform>%Ln przebiegów</numerusform>
        </translation>
    </message>
    <message>
        <source>The run is paused. %1 is partly overwritten and still exists, and the files after it are untouched. Close all the same?</source>
        <translation>Przebieg jest wstrzymany. %1 jest częściowo nadpisany i nadal istnieje, a pliki po nim są nietknięte. Zamknąć mimo to?</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <translation>
            <numerusform>i jeszcze %Ln</numerusform>
            <numerusform>i jeszcze %Ln</numerusform>
            <numerusform>i jeszcze %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>The file may be marked immutable or append-only: lsattr shows it, and chattr -i or -a, as root, clears it.</source>
        <translation>Plik może mieć atrybut niezmienności lub tylko dopisywania: pokazuje to lsattr, a zdejmuje chattr -i lub -a uruchomione jako root.</translation>
    </message>
    <message>
        <source>Its file system is mounted read-only: mount it for writing first.</source>
        <translation>Jego system plików jest zamontowany tylko do odczytu: najpierw zamontuj go do zapisu.</translation>
    </message>
    <message>
        <source>You may not write to the file or change its folder: its owner, or root, can.</source>
        <translation>Nie masz prawa zapisu do pliku lub zmiany jego folderu: ma je właściciel lub root.</translation>
    </message>
    <message>
        <source>The file is in use: end the program that holds it, then try again.</source>
        <translation>Plik jest w użyciu: zakończ program, który go trzyma, i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>It was deleted or moved after it was added.</source>
        <translation>Został usunięty lub przeniesiony po dodaniu do listy.</translation>
    </message>
    <message>
        <source>The device reported an error: it may be failing.</source>
        <translation>Urządzenie zgłosiło błąd: może ulegać awarii.</translation>
    </message>
    <message>
        <source>Add it again if the file now there is to be destroyed.</source>
        <translation>Dodaj go ponownie, jeśli plik, który jest tam teraz, ma zostać zniszczony.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln more files were not destroyed; Show Details lists them all.</source>
        <translation>
            <numerusform>Jeszcze %Ln plik nie został zniszczony; Pokaż szczegóły wymienia wszystkie.</numerusform>
            <numerusform>Jeszcze %Ln pliki nie zostały zniszczone; Pokaż szczegóły wymienia wszystkie.</numerusform>
            <numerusform>Jeszcze %Ln plików nie zostało zniszczonych; Pokaż szczegóły wymienia wszystkie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pass %1 of %2: flushing</source>
        <translation>Przebieg %1 z %2: utrwalanie</translation>
    </message>
    <message>
        <source>Pass %1 of %2: %3 %</source>
        <translation>Przebieg %1 z %2: %3 %</translation>
    </message>
    <message>
        <source>%1 of %2: %3 %</source>
        <translation>%1 z %2: %3 %</translation>
    </message>
    <message>
        <source>Measuring the speed</source>
        <translation>Mierzenie prędkości</translation>
    </message>
    <message>
        <source>%1/s, %2 left</source>
        <translation>%1/s, pozostało %2</translation>
    </message>
    <message>
        <source>Destroying file %1 of %2</source>
        <translation>Niszczenie pliku %1 z %2</translation>
    </message>
    <message>
        <source>Paused. Continue goes on where the run stopped.</source>
        <translation>Wstrzymano. Kontynuuj wznawia od miejsca zatrzymania.</translation>
    </message>
    <message>
        <source>Wypelark closes once the run is paused or done: press Pause first.</source>
        <translation>Wypelark zamknie się, gdy przebieg zostanie wstrzymany lub zakończony: najpierw naciśnij Wstrzymaj.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files destroyed (%1, %2) in %3</source>
        <translation>
            <numerusform>Zniszczono %Ln plik (%1, %2) w %3</numerusform>
            <numerusform>Zniszczono %Ln pliki (%1, %2) w %3</numerusform>
            <numerusform>Zniszczono %Ln plików (%1, %2) w %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Afterwards, where the run leaves them empty, these folders are removed:</source>
        <translation>Następnie te foldery zostaną usunięte, jeśli przebieg pozostawi je puste:</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files added to the list</source>
        <translation>
            <numerusform>%Ln plik dodany do listy</numerusform>
            <numerusform>%Ln pliki dodane do listy</numerusform>
            <numerusform>%Ln plików dodanych do listy</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading it back</source>
        <translation>Odczytywanie z powrotem</translation>
    </message>
    <message>
        <source>These files lay on flash storage (an SSD, NVMe, USB stick or memory card), whose wear levelling can keep old copies in blocks no overwrite reaches; encrypt such devices, and where they support it run fstrim on the volume:</source>
        <translation>Te pliki leżały na pamięci flash (SSD, NVMe, pendrive lub karta pamięci), której wyrównywanie zużycia może zachować stare kopie w blokach, do których żadne nadpisanie nie sięga; szyfruj takie urządzenia, a gdzie to możliwe, uruchom fstrim na woluminie:</translation>
    </message>
    <message>
        <source>These files lay in memory (tmpfs, a RAM disk or zram): nothing of them reached a device, and a read-back of them proves only the memory:</source>
        <translation>Te pliki leżały w pamięci (tmpfs, ramdysk lub zram): nic z nich nie trafiło na urządzenie, a ich odczyt sprawdza tylko pamięć:</translation>
    </message>
    <message>
        <source>The volume is mounted read-only; nothing can be written to it</source>
        <translation>Wolumin jest zamontowany tylko do odczytu; nie można na nim nic zapisać</translation>
    </message>
    <message>
        <source>The volume lies in memory (tmpfs, a RAM disk or zram): its free space is memory that holds nothing once freed, and filling it would only press other programs out of memory</source>
        <translation>Wolumin leży w pamięci (tmpfs, RAM-dysk lub zram): jego wolne miejsce to pamięć, która po zwolnieniu niczego nie przechowuje, a zapełnienie jej tylko wypchnęłoby inne programy z pamięci</translation>
    </message>
    <message>
        <source>The volume lies on another machine (NFS, SMB and the like), whose server decides where the writes go, and a full disk there holds up everyone who uses it</source>
        <translation>Wolumin leży na innej maszynie (NFS, SMB i podobne), której serwer decyduje, dokąd trafiają zapisy, a pełny dysk tam wstrzymuje każdego, kto z niego korzysta</translation>
    </message>
    <message>
        <source>Some of these files lie on a copy-on-write or log-structured file system, where an overwrite goes to new blocks: their old blocks stay until they are reused.</source>
        <translation>Część tych plików leży na systemie plików z kopiowaniem przy zapisie lub o strukturze dziennika, gdzie nadpisanie trafia do nowych bloków: ich stare bloki zostają, dopóki nie zostaną ponownie użyte.</translation>
    </message>
    <message>
        <source>Some of these files lie on an overlay mount: a copy of them in a lower layer stays.</source>
        <translation>Część tych plików leży na montowaniu nakładkowym (overlay): ich kopia w niższej warstwie zostaje.</translation>
    </message>
    <message>
        <source>Some of these files lie on a network or FUSE file system, whose server or program decides where the overwrite goes.</source>
        <translation>Część tych plików leży na sieciowym systemie plików lub FUSE, którego serwer lub program decyduje, dokąd trafia nadpisanie.</translation>
    </message>
    <message>
        <source>Some of these files lie on flash storage, whose wear levelling can keep old copies that no overwrite reaches; encryption, and fstrim where the device supports it, serve better.</source>
        <translation>Część tych plików leży na pamięci flash, której wyrównywanie zużycia może zachować stare kopie, do których nie dociera żadne nadpisanie; lepiej służy szyfrowanie oraz fstrim, gdzie urządzenie je obsługuje.</translation>
    </message>
    <message>
        <source>Some of these files lie in memory (tmpfs, a RAM disk or zram): nothing of them is on a device, and a read-back of them proves only the memory.</source>
        <translation>Część tych plików leży w pamięci (tmpfs, RAM-dysk lub zram): nic z nich nie jest na urządzeniu, a ich odczyt dowodzi tylko stanu pamięci.</translation>
    </message>
    <message>
        <source>The device&apos;s own blocks under the file hold other than what was written; the file was left</source>
        <translation>Bloki samego urządzenia pod plikiem zawierają coś innego niż zapisano; plik pozostawiono</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files added during the run are kept for a later Delete</source>
        <translation>
            <numerusform>%Ln plik dodany w trakcie przebiegu czeka na kolejne Usuń</numerusform>
            <numerusform>%Ln pliki dodane w trakcie przebiegu czekają na kolejne Usuń</numerusform>
            <numerusform>%Ln plików dodanych w trakcie przebiegu czeka na kolejne Usuń</numerusform>
        </translation>
    </message>
    <message>
        <source>Already listed: nothing added</source>
        <translation>Już na liście: nic nie dodano</translation>
    </message>
    <message numerus="yes">
        <source>%Ln passes</source>
        <comment>standing alone, beside the slider</comment>
        <translation>
            <numerusform>%Ln przebieg</numerusform>
            <numerusform>%Ln przebiegi</numerusform>
            <numerusform>%Ln przebiegów</numerusform>
        </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Stopped before the end</source>
        <translation>Zatrzymano przed końcem</translation>
    </message>
    <message numerus="yes">
        <source>Ended: %Ln files not destroyed</source>
        <translation>
            <numerusform>Koniec: %Ln plik niezniszczony</numerusform>
            <numerusform>Koniec: %Ln pliki niezniszczone</numerusform>
            <numerusform>Koniec: %Ln plików niezniszczonych</numerusform>
        </translation>
    </message>
    <message>
        <source>Destroyed:</source>
        <translation>Zniszczone:</translation>
    </message>
    <message>
        <source>Not destroyed:</source>
        <translation>Niezniszczone:</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Overwrites files in place, then deletes them. The files and folders named are put in the deletion list; nothing is destroyed before Delete.</source>
        <translation>Nadpisuje pliki w miejscu, a potem je usuwa. Podane pliki i foldery trafiają na listę do usunięcia; nic nie zostanie zniszczone przed naciśnięciem Usuń.</translation>
    </message>
    <message>
        <source>Files, or folders with every file below them.</source>
        <translation>Pliki albo foldery ze wszystkimi plikami w nich.</translation>
    </message>
    <message>
        <source>Try &apos;wypelark --help&apos;.</source>
        <translation>Spróbuj &apos;wypelark --help&apos;.</translation>
    </message>
    <message>
        <source>The paths are given as file:// addresses, as file managers hand their selection over.</source>
        <translation>Ścieżki są podane jako adresy file://, tak jak menedżery plików przekazują swój wybór.</translation>
    </message>
    <message>
        <source>Not a local file address: %1</source>
        <translation>To nie jest adres pliku lokalnego: %1</translation>
    </message>
    <message>
        <source>Put what your trash cans hold in the deletion list and ask, as Delete asks, whether to destroy it.</source>
        <translation>Umieszcza zawartość twoich koszy na liście do usunięcia i pyta, tak jak Usuń, czy ją zniszczyć.</translation>
    </message>
</context>
<context>
    <name>wypelark::AdministratorRunDialog</name>
    <message>
        <source>Waiting for the administrator&apos;s password…</source>
        <translation>Oczekiwanie na hasło administratora…</translation>
    </message>
    <message>
        <source>Destroy as Administrator</source>
        <translation>Zniszcz jako administrator</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Paused: the file being overwritten is partly overwritten</source>
        <translation>Wstrzymano: nadpisywany plik jest nadpisany częściowo</translation>
    </message>
    <message>
        <source>File %1 of %2, pass %3 of %4</source>
        <translation>Plik %1 z %2, przebieg %3 z %4</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files destroyed as the administrator</source>
        <translation>
            <numerusform>%Ln plik zniszczony jako administrator</numerusform>
            <numerusform>%Ln pliki zniszczone jako administrator</numerusform>
            <numerusform>%Ln plików zniszczonych jako administrator</numerusform>
        </translation>
    </message>
    <message>
        <source>The helper ended before its run did; nothing more was destroyed.</source>
        <translation>Program pomocniczy zakończył się przed końcem przebiegu; nic więcej nie zniszczono.</translation>
    </message>
</context>
<context>
    <name>wypelark::BrowserPane</name>
    <message>
        <source>Select Files and Folders to Delete</source>
        <translation>Wybierz pliki i foldery do usunięcia</translation>
    </message>
    <message>
        <source>Add Selected Files</source>
        <translation>Dodaj zaznaczone pliki</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Foldery</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Pliki</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Napędy</translation>
    </message>
    <message>
        <source>The folder does not answer. Another folder or drive can be chosen meanwhile.</source>
        <translation>Folder nie odpowiada. W tym czasie można wybrać inny folder lub dysk.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Drive not ready</source>
        <translation>Napęd nie jest gotowy</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Wczytywanie...</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Dodaj folder</translation>
    </message>
</context>
<context>
    <name>wypelark::CommandHost</name>
    <message>
        <source>pass %1/%2  %3 of %4  %5/s  %6 left</source>
        <translation>przebieg %1/%2  %3 z %4  %5/s  zostało %6</translation>
    </message>
    <message>
        <source>free space</source>
        <translation>wolne miejsce</translation>
    </message>
</context>
<context>
    <name>wypelark::DeletionListModel</name>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Bytes: %1</source>
        <translation>Bajty: %1</translation>
    </message>
    <message>
        <source>Not destroyed: %1</source>
        <translation>Nie zniszczono: %1</translation>
    </message>
    <message>
        <source>Added during the run: kept for a later Delete</source>
        <translation>Dodany w trakcie przebiegu: czeka na kolejne Usuń</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <translation>%1 (wcześniej %2)</translation>
    </message>
    <message>
        <source>Put in the Trash from %1</source>
        <translation>Przeniesiony do Kosza z %1</translation>
    </message>
</context>
<context>
    <name>wypelark::DeletionListPane</name>
    <message>
        <source>Files to Delete</source>
        <translation>Pliki do usunięcia</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Usuń z listy</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Wyczyść listę</translation>
    </message>
    <message>
        <source>Run Record…</source>
        <translation>Zapis przebiegu…</translation>
    </message>
</context>
<context>
    <name>wypelark::DesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
</context>
<context>
    <name>wypelark::FailureReportingApplication</name>
    <message>
        <source>Run-time error %1:

%2</source>
        <translation>Błąd wykonania %1:

%2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>wypelark::FileListModel</name>
    <message>
        <source>Bytes: %1</source>
        <translation>Bajty: %1</translation>
    </message>
</context>
<context>
    <name>wypelark::ProgressPane</name>
    <message>
        <source>Overall Progress</source>
        <translation>Postęp całości</translation>
    </message>
    <message>
        <source>Current File Progress</source>
        <translation>Postęp bieżącego pliku</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
</context>
<context>
    <name>wypelark::ReportDialog</name>
    <message>
        <source>Show Details...</source>
        <translation>Pokaż szczegóły...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ukryj szczegóły...</translation>
    </message>
</context>
<context>
    <name>wypelark::RunCommands</name>
    <message>
        <source>Destroy</source>
        <translation>Zniszcz</translation>
    </message>
    <message>
        <source>Read each file back before deleting it</source>
        <translation>Odczytaj każdy plik przed usunięciem</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>A run is under way or paused: finish it first.</source>
        <translation>Przebieg trwa lub jest wstrzymany: najpierw go dokończ.</translation>
    </message>
    <message>
        <source>Fill Free Space</source>
        <translation>Wypełnij wolne miejsce</translation>
    </message>
    <message>
        <source>Read each pass back before giving the space back</source>
        <translation>Odczytaj każde przejście, zanim miejsce zostanie zwrócone</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>The list is empty: add files first</source>
        <translation>Lista jest pusta: najpierw dodaj pliki</translation>
    </message>
    <message>
        <source>Destroy as Administrator…</source>
        <translation>Zniszcz jako administrator…</translation>
    </message>
</context>
<context>
    <name>wypelark::RunRecordDialog</name>
    <message>
        <source>Save as PDF…</source>
        <translation>Zapisz jako PDF…</translation>
    </message>
    <message>
        <source>Save as JSON…</source>
        <translation>Zapisz jako JSON…</translation>
    </message>
    <message>
        <source>Save the Run Record as PDF</source>
        <translation>Zapisz zapis przebiegu jako PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save the Run Record as JSON</source>
        <translation>Zapisz zapis przebiegu jako JSON</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>The record could not be kept in %1: %2</source>
        <translation>Nie można było zachować zapisu w %1: %2</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Zapisano w %1</translation>
    </message>
</context>
<context>
    <name>wypelark::frmMain</name>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Destroy the listed files, or go on with a paused run</source>
        <translation>Zniszcz pliki z listy albo kontynuuj wstrzymany przebieg</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Stop the run after its next write</source>
        <translation>Zatrzymaj przebieg po jego następnym zapisie</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Open Wypelark&apos;s web page</source>
        <translation>Otwórz stronę internetową programu Wypelark</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Close Wypelark</source>
        <translation>Zamknij program Wypelark</translation>
    </message>
    <message>
        <source>Delete Method</source>
        <translation>Metoda usuwania</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Przebiegi</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Więcej</translation>
    </message>
    <message>
        <source>Quick delete (Not very safe)</source>
        <translation>Szybkie usuwanie (niezbyt bezpieczne)</translation>
    </message>
    <message>
        <source>Might delete (Somewhat safe)</source>
        <translation>Możliwe usunięcie (dość bezpieczne)</translation>
    </message>
    <message>
        <source>Military delete (Safe)</source>
        <translation>Wojskowe usuwanie (bezpieczne)</translation>
    </message>
    <message>
        <source>Secure delete (No recovery)</source>
        <translation>Bezpieczne usuwanie (bez odzyskania)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>No web browser took the address. Wypelark&apos;s web page is at:</source>
        <translation>Żadna przeglądarka nie otworzyła adresu. Strona programu Wypelark jest pod adresem:</translation>
    </message>
    <message>
        <source>Wipe Free Space…</source>
        <translation>Wyczyść wolne miejsce…</translation>
    </message>
    <message>
        <source>Shred the Trash…</source>
        <translation>Zniszcz zawartość Kosza…</translation>
    </message>
</context>
</TS>

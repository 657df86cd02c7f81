<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>FillTexts</name>
    <message>
        <source>Fill the free space of the volume that holds %1 (%2 free) with the fill, %3, each pass flushed to the device?</source>
        <translation>Den freien Platz des Datenträgers, auf dem %1 liegt (%2 frei), mit der Füllung in %3 beschreiben, jeder Durchgang auf das Gerät geschrieben?</translation>
    </message>
    <message>
        <source>While a pass goes on the volume is full, and other programs cannot write to it; the space is given back as soon as each pass ends, and if Wypelark ends meanwhile, however it ends.</source>
        <translation>Während eines Durchgangs ist der Datenträger voll, und andere Programme können nicht auf ihn schreiben; der Platz wird zurückgegeben, sobald jeder Durchgang endet, und auch, wenn Wypelark währenddessen endet, wie auch immer.</translation>
    </message>
    <message>
        <source>%1 is kept for the system administrator and cannot be filled without administrator rights; it stays as it is.</source>
        <translation>%1 sind für den Systemverwalter reserviert und lassen sich ohne Verwalterrechte nicht füllen; sie bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>This file system copies on write: the fill lands where it chooses, and blocks it keeps for itself or for snapshots are not reached.</source>
        <translation>Dieses Dateisystem kopiert beim Schreiben: die Füllung landet, wo es entscheidet, und Blöcke, die es für sich oder für Schnappschüsse behält, werden nicht erreicht.</translation>
    </message>
    <message>
        <source>This is an overlay mount: the fill reaches only the free space of the volume of its upper layer.</source>
        <translation>Dies ist ein Overlay-Mount: die Füllung erreicht nur den freien Platz des Datenträgers seiner oberen Schicht.</translation>
    </message>
    <message>
        <source>This is a FUSE file system: the program behind it decides where the fill lands.</source>
        <translation>Dies ist ein FUSE-Dateisystem: das Programm dahinter entscheidet, wo die Füllung landet.</translation>
    </message>
    <message>
        <source>This volume lies on flash storage: the device keeps spare blocks the fill cannot reach. Encryption, or fstrim where the device supports it, serves better.</source>
        <translation>Dieser Datenträger liegt auf Flash-Speicher: das Gerät hält Ersatzblöcke, die die Füllung nicht erreicht. Verschlüsselung, oder fstrim, wo das Gerät es unterstützt, dient besser.</translation>
    </message>
    <message>
        <source>The free space could not be filled: %1</source>
        <translation>Der freie Platz konnte nicht gefüllt werden: %1</translation>
    </message>
    <message>
        <source>The fill was ended before its last pass; its space was given back.</source>
        <translation>Das Füllen wurde vor seinem letzten Durchgang beendet; sein Platz wurde zurückgegeben.</translation>
    </message>
    <message numerus="yes">
        <source>The free space was filled %Ln times (%1 the last time), each pass flushed to the device and given back.</source>
        <translation>
            <numerusform>Der freie Platz wurde %Ln Mal gefüllt (zuletzt %1), jeder Durchgang auf das Gerät geschrieben und zurückgegeben.</numerusform>
            <numerusform>Der freie Platz wurde %Ln Mal gefüllt (zuletzt %1), jeder Durchgang auf das Gerät geschrieben und zurückgegeben.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of free space stayed untouched: blocks kept for the system administrator, or by the file system for itself.</source>
        <translation>%1 freier Platz blieb unberührt: Blöcke, die für den Systemverwalter oder vom Dateisystem für sich selbst reserviert sind.</translation>
    </message>
    <message>
        <source>Filling the free space of the volume that holds %1</source>
        <translation>Der freie Platz des Datenträgers, auf dem %1 liegt, wird gefüllt</translation>
    </message>
    <message>
        <source>The paused fill holds %1 of the volume&apos;s free space. End it, give the space back, and close?</source>
        <translation>Die angehaltene Füllung hält %1 des freien Platzes. Sie beenden, den Platz zurückgeben und schließen?</translation>
    </message>
    <message>
        <source>Paused: the fill holds %1 of free space, and the disk stays full, until it goes on or ends.</source>
        <translation>Angehalten: die Füllung hält %1 freien Platz, und die Platte bleibt voll, bis sie weitergeht oder endet.</translation>
    </message>
    <message>
        <source>The fill read back other than it was written: the device does not keep what it is given, and its free space cannot be trusted to be overwritten.</source>
        <translation>Die Füllung las sich anders zurück, als sie geschrieben wurde: das Gerät behält nicht, was es bekommt, und man kann nicht darauf vertrauen, dass sein freier Platz überschrieben ist.</translation>
    </message>
    <message>
        <source>Each pass was read back from the device before its space was given back, and held only the fill.</source>
        <translation>Jeder Durchgang wurde vom Gerät zurückgelesen, bevor sein Platz zurückgegeben wurde, und enthielt nur die Füllung.</translation>
    </message>
    <message>
        <source>Each pass was read back and held only the fill, but through the page cache or memory, not from a device.</source>
        <translation>Jeder Durchgang wurde zurückgelesen und enthielt nur die Füllung, aber über den Seitencache oder den Speicher, nicht vom Gerät.</translation>
    </message>
    <message>
        <source>The free space could not be filled</source>
        <translation>Der freie Platz konnte nicht gefüllt werden</translation>
    </message>
    <message>
        <source>The fill ended early; its space was given back</source>
        <translation>Das Füllen endete vorzeitig; sein Platz wurde zurückgegeben</translation>
    </message>
    <message>
        <source>Free space filled: %1 of %2</source>
        <translation>Freier Platz gefüllt: in %1 zu je %2</translation>
    </message>
    <message>
        <source>Ended: not filled</source>
        <translation>Beendet: nicht gefüllt</translation>
    </message>
    <message>
        <source>The free space was then trimmed: the device was told that %1 are unused, so that flash storage can erase them.</source>
        <translation>Der freie Speicher wurde danach getrimmt: Dem Gerät wurde mitgeteilt, dass %1 unbenutzt sind, damit Flash-Speicher sie löschen kann.</translation>
    </message>
    <message>
        <source>The free space was not trimmed: only root may discard a volume&apos;s free blocks (sudo wypelark-cli --free-space trims them).</source>
        <translation>Der freie Speicher wurde nicht getrimmt: Nur root darf die freien Blöcke eines Datenträgers verwerfen (sudo wypelark-cli --free-space trimmt sie).</translation>
    </message>
    <message>
        <source>The free space was not trimmed: %1</source>
        <translation>Der freie Speicher wurde nicht getrimmt: %1</translation>
    </message>
</context>
<context>
    <name>ProofTexts</name>
    <message>
        <source>the file system does not tell where the file&apos;s data lies</source>
        <translation>das Dateisystem sagt nicht, wo die Daten der Datei liegen</translation>
    </message>
    <message>
        <source>the file system (btrfs, ZFS, bcachefs) maps addresses of its own, not the device&apos;s</source>
        <translation>das Dateisystem (btrfs, ZFS, bcachefs) bildet eigene Adressen ab, nicht die des Geräts</translation>
    </message>
    <message>
        <source>no device of this machine holds the file&apos;s data (network, FUSE, overlay or memory)</source>
        <translation>kein Gerät dieses Rechners hält die Daten der Datei (Netzwerk, FUSE, Overlay oder Speicher)</translation>
    </message>
    <message>
        <source>part of the data is kept encrypted, packed, inline or not yet placed</source>
        <translation>ein Teil der Daten liegt verschlüsselt, gepackt, inline oder noch nicht platziert vor</translation>
    </message>
    <message>
        <source>its blocks are shared with another file or a snapshot</source>
        <translation>ihre Blöcke werden mit einer anderen Datei oder einem Snapshot geteilt</translation>
    </message>
    <message>
        <source>no device node of this machine reads the device</source>
        <translation>kein Geräteknoten dieses Rechners liest das Gerät</translation>
    </message>
    <message>
        <source>this user may not read the device, and Wypelark never asks for more rights</source>
        <translation>dieser Benutzer darf das Gerät nicht lesen, und Wypelark fordert nie mehr Rechte an</translation>
    </message>
    <message numerus="yes">
        <source>every block of the file on the device holds the fill (%n piece(s), %1); it had moved, and its old blocks hold the fill too</source>
        <translation>
            <numerusform>jeder Block der Datei auf dem Gerät enthält die Füllung (%n Stück, %1); sie war umgezogen, und ihre alten Blöcke enthalten ebenfalls die Füllung</numerusform>
            <numerusform>jeder Block der Datei auf dem Gerät enthält die Füllung (%n Stücke, %1); sie war umgezogen, und ihre alten Blöcke enthalten ebenfalls die Füllung</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>every block of the file on the device holds the fill (%n piece(s), %1)</source>
        <translation>
            <numerusform>jeder Block der Datei auf dem Gerät enthält die Füllung (%n Stück, %1)</numerusform>
            <numerusform>jeder Block der Datei auf dem Gerät enthält die Füllung (%n Stücke, %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the old copy is still on the device, in %n block(s) that are now free space</source>
        <translation>
            <numerusform>die alte Kopie liegt noch auf dem Gerät, in %n Block, der jetzt freier Speicher ist</numerusform>
            <numerusform>die alte Kopie liegt noch auf dem Gerät, in %n Blöcken, die jetzt freier Speicher sind</numerusform>
        </translation>
    </message>
    <message>
        <source>a block of the file on the device holds other than the fill</source>
        <translation>ein Block der Datei auf dem Gerät enthält etwas anderes als die Füllung</translation>
    </message>
    <message>
        <source>the device&apos;s blocks could not be checked: %1</source>
        <translation>die Blöcke des Geräts konnten nicht geprüft werden: %1</translation>
    </message>
    <message>
        <source>from the device</source>
        <translation>vom Gerät</translation>
    </message>
    <message>
        <source>only through the cache</source>
        <translation>nur über den Cache</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>nicht gelesen</translation>
    </message>
    <message>
        <source>destroyed</source>
        <translation>vernichtet</translation>
    </message>
    <message>
        <source>not destroyed</source>
        <translation>nicht vernichtet</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Durchgänge</translation>
    </message>
    <message>
        <source>Flushed</source>
        <translation>Auf das Gerät geschrieben</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Zurückgelesen</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Storage remark</source>
        <translation>Hinweis zum Speicher</translation>
    </message>
    <message>
        <source>Run record</source>
        <translation>Protokoll des Laufs</translation>
    </message>
    <message>
        <source>on %1 (%2)</source>
        <translation>auf %1 (%2)</translation>
    </message>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <source>every pass</source>
        <translation>jeder Durchgang</translation>
    </message>
    <message numerus="yes">
        <source>The old copy of %n destroyed file(s) is still on the device, in blocks that are now free space: the file system had moved the data before the overwrite reached it. Wiping the volume&apos;s free space overwrites those blocks.</source>
        <translation>
            <numerusform>Die alte Kopie von %n vernichteten Datei liegt noch auf dem Gerät, in Blöcken, die jetzt freier Speicher sind: das Dateisystem hatte die Daten verschoben, bevor das Überschreiben sie erreichte. Das Löschen des freien Speichers des Datenträgers überschreibt diese Blöcke.</numerusform>
            <numerusform>Die alten Kopien von %n vernichteten Dateien liegen noch auf dem Gerät, in Blöcken, die jetzt freier Speicher sind: das Dateisystem hatte die Daten verschoben, bevor das Überschreiben sie erreichte. Das Löschen des freien Speichers des Datenträgers überschreibt diese Blöcke.</numerusform>
        </translation>
    </message>
    <message>
        <source>Run Record… in the list&apos;s menu (Ctrl+Shift+R) shows what became of every file, and keeps the record as PDF or JSON.</source>
        <translation>Protokoll des Laufs… im Menü der Liste (Strg+Umschalt+R) zeigt, was aus jeder Datei wurde, und speichert das Protokoll als PDF oder JSON.</translation>
    </message>
    <message numerus="yes">
        <source>Run from %1 to %2 on %3 by %4: %n pass(es) of the byte 0x30 (the character 0)</source>
        <translation>
            <numerusform>Lauf von %1 bis %2 auf %3 durch %4: %n Durchgang mit dem Byte 0x30 (dem Zeichen 0)</numerusform>
            <numerusform>Lauf von %1 bis %2 auf %3 durch %4: %n Durchgänge mit dem Byte 0x30 (dem Zeichen 0)</numerusform>
        </translation>
    </message>
    <message>
        <source>Operator: %1</source>
        <translation>Bediener: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Vermerk: %1</translation>
    </message>
</context>
<context>
    <name>ShredCommand</name>
    <message>
        <source>Overwrites files in place with the character 0, pass after pass, each pass flushed to the device, then deletes them.</source>
        <translation>Überschreibt Dateien an Ort und Stelle mit dem Zeichen 0, Durchgang für Durchgang, jeden Durchgang auf das Gerät geschrieben, und löscht sie dann.</translation>
    </message>
    <message>
        <source>Destroy every regular file below the folders given, then remove the folders it emptied.</source>
        <translation>Jede reguläre Datei unterhalb der angegebenen Ordner vernichten, dann die geleerten Ordner entfernen.</translation>
    </message>
    <message>
        <source>Print what would be destroyed; change nothing.</source>
        <translation>Ausgeben, was vernichtet würde; nichts ändern.</translation>
    </message>
    <message>
        <source>No progress and no report of destroyed files; failures only.</source>
        <translation>Kein Fortschritt und keine Liste vernichteter Dateien; nur Fehlschläge.</translation>
    </message>
    <message>
        <source>Files to destroy.</source>
        <translation>Zu vernichtende Dateien.</translation>
    </message>
    <message>
        <source>Try &apos;wypelark-cli --help&apos;.</source>
        <translation>Versuchen Sie &apos;wypelark-cli --help&apos;.</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>keine Datei angegeben</translation>
    </message>
    <message>
        <source>destroyed %1</source>
        <translation>vernichtet: %1</translation>
    </message>
    <message>
        <source>read back from the device: %1</source>
        <translation>vom Gerät zurückgelesen: %1</translation>
    </message>
    <message>
        <source>read back from memory only, not from a device: %1</source>
        <translation>nur aus dem Speicher zurückgelesen, nicht von einem Gerät: %1</translation>
    </message>
    <message>
        <source>read back %1 MB in %2 s (%3 MB/s)</source>
        <translation>%1 MB in %2 s zurückgelesen (%3 MB/s)</translation>
    </message>
    <message>
        <source>folder kept: %1: %2</source>
        <translation>Ordner behalten: %1: %2</translation>
    </message>
    <message>
        <source>%1: %2; skipped</source>
        <translation>%1: %2; übersprungen</translation>
    </message>
    <message>
        <source>would destroy %1 (%2 bytes, %3 passes)</source>
        <translation>würde %1 vernichten (%2 Bytes, %3 Durchgänge)</translation>
    </message>
    <message>
        <source>interrupted: %1 is partly overwritten and still exists</source>
        <translation>unterbrochen: %1 ist teilweise überschrieben und existiert noch</translation>
    </message>
    <message>
        <source>Overwrite N times, %1 to %2 (default %1); &apos;stored&apos; takes the count the window stored.</source>
        <translation>N-mal überschreiben, %1 bis %2 (Vorgabe %1); &apos;stored&apos; nimmt die vom Fenster gespeicherte Zahl.</translation>
    </message>
    <message>
        <source>--passes takes a whole number from %1 to %2, or stored</source>
        <translation>--passes erwartet eine ganze Zahl von %1 bis %2 oder stored</translation>
    </message>
    <message>
        <source>another program&apos;s file that took its name is now at %1</source>
        <translation>die Datei eines anderen Programms, die seinen Namen einnahm, liegt jetzt unter %1</translation>
    </message>
    <message>
        <source>Instead of destroying files, fill the free space of the volume that holds FOLDER, once per pass, each pass flushed, then give it back. The fill has no name, so the space comes back however the program ends.</source>
        <translation>Statt Dateien zu vernichten, den freien Platz des Datenträgers, auf dem FOLDER liegt, einmal je Durchgang füllen, jeden Durchgang auf das Gerät schreiben, dann zurückgeben. Die Füllung hat keinen Namen, daher kommt der Platz zurück, wie auch immer das Programm endet.</translation>
    </message>
    <message>
        <source>would fill %1 of free space on the volume that holds %2, %3</source>
        <translation>würde %1 freien Platz auf dem Datenträger, auf dem %2 liegt, in %3 füllen</translation>
    </message>
    <message>
        <source>Print the report as JSON (json) or as text (text, the default) on standard output.</source>
        <translation>Den Bericht als JSON (json) oder als Text (text, die Vorgabe) auf der Standardausgabe ausgeben.</translation>
    </message>
    <message>
        <source>Keep the JSON record of the run in FILE as well: who ran it, where and when, and what became of every file.</source>
        <translation>Das JSON-Protokoll des Laufs auch in FILE aufbewahren: wer ihn startete, wo und wann, und was aus jeder Datei wurde.</translation>
    </message>
    <message>
        <source>--report takes json or text</source>
        <translation>--report nimmt json oder text</translation>
    </message>
    <message>
        <source>the report could not be written to %1: %2</source>
        <translation>der Bericht konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Read each file back from the device after its last pass; delete it only if every byte is the fill. --verify=blocks also asks the file system where the file lies before the first pass and after the last, reads those blocks from the block device itself, and says whether an old copy is left there.</source>
        <translation>Jede Datei nach ihrem letzten Durchgang vom Gerät zurücklesen; nur löschen, wenn jedes Byte die Füllung ist. --verify=blocks fragt außerdem das Dateisystem vor dem ersten und nach dem letzten Durchgang, wo die Datei liegt, liest diese Blöcke vom Blockgerät selbst und sagt, ob dort eine alte Kopie geblieben ist.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>--free-space takes a folder, not the option %1 (write ./%1 for a folder of that name)</source>
        <translation>--free-space erwartet einen Ordner, nicht die Option %1 (einen Ordner dieses Namens als ./%1 schreiben)</translation>
    </message>
    <message>
        <source>Name NAME in the record as the person who ran the command.</source>
        <translation>NAME im Protokoll als die Person nennen, die den Befehl ausgeführt hat.</translation>
    </message>
    <message>
        <source>Keep TEXT in the record&apos;s head: a ticket, a device&apos;s label, a reason.</source>
        <translation>TEXT im Kopf des Protokolls festhalten: ein Ticket, die Beschriftung eines Geräts, einen Grund.</translation>
    </message>
    <message>
        <source>Keep the record of the run in FILE as a PDF as well, the document the window&apos;s Run Record saves.</source>
        <translation>Das Protokoll des Laufs auch als PDF in FILE aufbewahren, dasselbe Dokument, das das Protokoll des Laufs im Fenster speichert.</translation>
    </message>
    <message>
        <source>this build of wypelark-cli makes no PDF</source>
        <translation>dieser Build von wypelark-cli erstellt kein PDF</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <translation>%1 (vorher %2)</translation>
    </message>
    <message>
        <source>Instead of the files named, destroy everything in your trash cans: the home Trash and those of the volumes mounted. Each file&apos;s record of where it came from goes only after the file.</source>
        <translation>Vernichtet statt der genannten Dateien alles in Ihren Papierkörben: im Papierkorb im Persönlichen Ordner und in denen der eingehängten Datenträger. Der Eintrag, woher eine Datei kam, geht erst nach der Datei.</translation>
    </message>
    <message>
        <source>--free-space takes no files, no --recursive and no --trash</source>
        <translation>--free-space nimmt keine Dateien, kein --recursive und kein --trash</translation>
    </message>
    <message>
        <source>--trash takes no files</source>
        <translation>--trash nimmt keine Dateien</translation>
    </message>
    <message>
        <source>After --free-space, do not trim the free space. Without it the free blocks are discarded after the last pass where the device takes discards and the program runs as root, as fstrim does.</source>
        <translation>Nach --free-space den freien Speicher nicht trimmen. Ohne diese Option werden die freien Blöcke nach dem letzten Durchgang verworfen, wo das Gerät das unterstützt und das Programm als root läuft, wie es fstrim tut.</translation>
    </message>
</context>
<context>
    <name>TrashTexts</name>
    <message>
        <source>Records where a file in the Trash came from, and that file is still there; left alone</source>
        <translation>Hält fest, woher eine Datei im Papierkorb kam, und diese Datei ist noch da; unberührt gelassen</translation>
    </message>
    <message>
        <source>A shared trash folder that is not sticky, so that anyone could have put files in it; not entered</source>
        <translation>Ein gemeinsamer Papierkorb-Ordner ohne Sticky-Bit, in den also jeder Dateien legen konnte; nicht betreten</translation>
    </message>
    <message>
        <source>The volume is not mounted: its trash can, if it has one, was not reached</source>
        <translation>Der Datenträger ist nicht eingehängt: sein Papierkorb, falls er einen hat, wurde nicht erreicht</translation>
    </message>
    <message>
        <source>The Trash is empty: nothing was added</source>
        <translation>Der Papierkorb ist leer: nichts hinzugefügt</translation>
    </message>
</context>
<context>
    <name>WipeTexts</name>
    <message>
        <source>Is a symbolic link; neither it nor its target was touched</source>
        <translation>Ist eine symbolische Verknüpfung; weder sie noch ihr Ziel wurde angerührt</translation>
    </message>
    <message>
        <source>Not a regular file; left alone</source>
        <translation>Keine reguläre Datei; unberührt gelassen</translation>
    </message>
    <message>
        <source>No overwrite pass was made; the file was left alone</source>
        <translation>Es wurde kein Überschreibdurchgang gemacht; die Datei blieb unberührt</translation>
    </message>
    <message>
        <source>Changed since it was added: the name, or a folder on its way, now leads to another file; nothing there was touched</source>
        <translation>Seit dem Hinzufügen geändert: Der Name oder ein Ordner auf dem Weg führt jetzt zu einer anderen Datei; dort wurde nichts angerührt</translation>
    </message>
    <message>
        <source>Lies on one of the kernel&apos;s own file systems (sysfs, procfs and the like), whose files are settings, not data; left alone</source>
        <translation>Liegt auf einem der eigenen Dateisysteme des Kernels (sysfs, procfs und ähnliche), deren Dateien Einstellungen sind, keine Daten; unberührt gelassen</translation>
    </message>
    <message>
        <source>Another program kept writing to it; it was left in place</source>
        <translation>Ein anderes Programm schrieb weiter hinein; sie wurde an Ort und Stelle gelassen</translation>
    </message>
    <message>
        <source>What was read back differs from what was written; the file was left</source>
        <translation>Das Zurückgelesene weicht vom Geschriebenen ab; die Datei wurde gelassen</translation>
    </message>
    <message>
        <source>Another file system, or another mount of one, is mounted here; it was not entered</source>
        <translation>Hier ist ein anderes Dateisystem oder eine andere Einhängung eines solchen eingehängt; es wurde nicht betreten</translation>
    </message>
    <message>
        <source>An empty argument names no file; nothing was looked for</source>
        <translation>Ein leeres Argument nennt keine Datei; es wurde nichts gesucht</translation>
    </message>
    <message>
        <source>Holds something other than the fill; left alone</source>
        <translation>Enthält etwas anderes als die Füllung; unberührt gelassen</translation>
    </message>
    <message>
        <source>Belongs to another user, or has other names; left alone</source>
        <translation>Gehört einem anderen Benutzer oder hat weitere Namen; unberührt gelassen</translation>
    </message>
    <message>
        <source>The run was interrupted while overwriting it: it is partly overwritten and still exists</source>
        <translation>Der Lauf wurde beim Überschreiben unterbrochen: Sie ist teilweise überschrieben und existiert noch</translation>
    </message>
    <message>
        <source>The run was interrupted before it got to this file; it is untouched</source>
        <translation>Der Lauf wurde unterbrochen, bevor er diese Datei erreichte; sie ist unberührt</translation>
    </message>
    <message>
        <source>A sparse file whose holes would not fit in the free space of its volume; left alone</source>
        <translation>Eine Datei mit Lücken, deren Lücken nicht in den freien Platz ihres Datenträgers passen würden; unberührt gelassen</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>These files were not destroyed:</source>
        <translation>Diese Dateien wurden nicht vernichtet:</translation>
    </message>
    <message>
        <source>Another program&apos;s file took its name meanwhile and could not be put back; it is now at %1</source>
        <translation>Die Datei eines anderen Programms hat inzwischen ihren Namen übernommen und konnte nicht zurückgelegt werden; sie liegt jetzt unter %1</translation>
    </message>
    <message>
        <source>An earlier run was stopped after overwriting these files and before deleting them; they held only the fill and were deleted now:</source>
        <translation>Ein früherer Lauf wurde nach dem Überschreiben dieser Dateien und vor ihrem Löschen angehalten; sie enthielten nur die Füllung und wurden jetzt gelöscht:</translation>
    </message>
    <message>
        <source>These files have the hidden names an interrupted run leaves behind, but were left alone:</source>
        <translation>Diese Dateien tragen die versteckten Namen, die ein unterbrochener Lauf hinterlässt, wurden aber unberührt gelassen:</translation>
    </message>
    <message>
        <source>error %1, %2</source>
        <translation>Fehler %1, %2</translation>
    </message>
    <message>
        <source>could not be opened</source>
        <translation>konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>could not be measured</source>
        <translation>konnte nicht gemessen werden</translation>
    </message>
    <message>
        <source>could not be overwritten</source>
        <translation>konnte nicht überschrieben werden</translation>
    </message>
    <message>
        <source>could not be flushed to the device</source>
        <translation>konnte nicht auf das Gerät geschrieben werden</translation>
    </message>
    <message>
        <source>could not be closed</source>
        <translation>konnte nicht geschlossen werden</translation>
    </message>
    <message>
        <source>was overwritten, but the device does not give the overwrite back</source>
        <translation>wurde überschrieben, aber das Gerät gibt das Überschriebene nicht zurück</translation>
    </message>
    <message>
        <source>was overwritten but could not be deleted</source>
        <translation>wurde überschrieben, konnte aber nicht gelöscht werden</translation>
    </message>
    <message>
        <source>was overwritten and deleted, but its folder could not be flushed to the device, so its name may come back after a power cut</source>
        <translation>wurde überschrieben und gelöscht, aber ihr Ordner konnte nicht auf das Gerät geschrieben werden, daher kann ihr Name nach einem Stromausfall zurückkehren</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>On a copy-on-write or log-structured file system new writes go to new blocks, so the old blocks of these files stay on the device until they are reused:</source>
        <translation>Auf einem Copy-on-Write- oder logstrukturierten Dateisystem gehen neue Schreibvorgänge in neue Blöcke, daher bleiben die alten Blöcke dieser Dateien auf dem Gerät, bis sie wiederverwendet werden:</translation>
    </message>
    <message>
        <source>On an overlay mount the writes went to the upper layer; a copy of these files in a lower layer is still there:</source>
        <translation>Auf einer Overlay-Einhängung gingen die Schreibvorgänge in die obere Schicht; eine Kopie dieser Dateien in einer unteren Schicht ist noch da:</translation>
    </message>
    <message>
        <source>On a network or FUSE file system the server or the FUSE program decides where writes go, so the old data of these files may remain there:</source>
        <translation>Auf einem Netzwerk- oder FUSE-Dateisystem entscheidet der Server oder das FUSE-Programm, wohin geschrieben wird, daher können die alten Daten dieser Dateien dort bleiben:</translation>
    </message>
    <message>
        <source>These files had other names (hard links): their content was overwritten, but their other names remain, holding the overwritten content:</source>
        <translation>Diese Dateien hatten weitere Namen (harte Verknüpfungen): Ihr Inhalt wurde überschrieben, aber die weiteren Namen bleiben und enthalten den überschriebenen Inhalt:</translation>
    </message>
    <message>
        <source>These files got shorter while they were overwritten; the blocks they gave back were not overwritten and may still hold old data:</source>
        <translation>Diese Dateien wurden beim Überschreiben kürzer; die freigegebenen Blöcke wurden nicht überschrieben und können noch alte Daten enthalten:</translation>
    </message>
    <message>
        <source>it still holds files or folders</source>
        <translation>er enthält noch Dateien oder Ordner</translation>
    </message>
    <message>
        <source>; another program&apos;s folder took its name meanwhile and could not be put back, it is now at %1</source>
        <translation>; der Ordner eines anderen Programms hat inzwischen seinen Namen übernommen und konnte nicht zurückgelegt werden, er liegt jetzt unter %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files could not be destroyed.</source>
        <translation>
            <numerusform>%1 von %Ln Datei konnte nicht vernichtet werden.</numerusform>
            <numerusform>%1 von %Ln Dateien konnten nicht vernichtet werden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>For %Ln destroyed files the overwrite may not have reached every old copy.</source>
        <translation>
            <numerusform>Bei %Ln vernichteten Datei hat das Überschreiben womöglich nicht jede alte Kopie erreicht.</numerusform>
            <numerusform>Bei %Ln vernichteten Dateien hat das Überschreiben womöglich nicht jede alte Kopie erreicht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %Ln files were destroyed, but for %1 of them the overwrite may not have reached every old copy.</source>
        <translation>
            <numerusform>Die %Ln Datei wurde vernichtet, aber bei %1 davon hat das Überschreiben womöglich nicht jede alte Kopie erreicht.</numerusform>
            <numerusform>Alle %Ln Dateien wurden vernichtet, aber bei %1 davon hat das Überschreiben womöglich nicht jede alte Kopie erreicht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %Ln files were destroyed.</source>
        <translation>
            <numerusform>Die %Ln Datei wurde vernichtet.</numerusform>
            <numerusform>Alle %Ln Dateien wurden vernichtet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files left behind by an interrupted run were found.</source>
        <translation>
            <numerusform>%Ln von einem unterbrochenen Lauf zurückgelassene Datei wurde gefunden.</numerusform>
            <numerusform>%Ln von einem unterbrochenen Lauf zurückgelassene Dateien wurden gefunden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of the folders added were not removed.</source>
        <translation>
            <numerusform>%Ln der hinzugefügten Ordner wurde nicht entfernt.</numerusform>
            <numerusform>%Ln der hinzugefügten Ordner wurden nicht entfernt.</numerusform>
        </translation>
    </message>
    <message>
        <source>These folders were added as folders and were kept:</source>
        <translation>Diese Ordner wurden als Ordner hinzugefügt und behalten:</translation>
    </message>
    <message>
        <source>These files were not added to the list:</source>
        <translation>Diese Dateien wurden nicht zur Liste hinzugefügt:</translation>
    </message>
    <message>
        <source>Only files and folders of this computer can be dropped here.</source>
        <translation>Hier können nur Dateien und Ordner dieses Computers abgelegt werden.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <translation>
            <numerusform>%Ln Ordner</numerusform>
            <numerusform>%Ln Ordner</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove the %1 added as folders, where they are empty? This cannot be undone.</source>
        <translation>Die %1, die als Ordner hinzugefügt wurden, entfernen, wo sie leer sind? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Destroy %1 (%2) with %3? This cannot be undone.</source>
        <translation>%1 (%2) mit %3 vernichten? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln Datei</numerusform>
            <numerusform>%Ln Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passes</source>
        <translation>
            <numerusform>%Ln Durchgang</numerusform>
            <numerusform>%Ln Durchgängen</numerusform>
        </translation>
    </message>
    <message>
        <source>The run is paused. %1 is partly overwritten and still exists, and the files after it are untouched. Close all the same?</source>
        <translation>Der Lauf ist angehalten. %1 ist teilweise überschrieben und existiert noch, die Dateien danach sind unberührt. Trotzdem schließen?</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <translation>
            <numerusform>und %Ln weitere</numerusform>
            <numerusform>und %Ln weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>The file may be marked immutable or append-only: lsattr shows it, and chattr -i or -a, as root, clears it.</source>
        <translation>Die Datei ist vielleicht als unveränderlich oder nur anhängbar markiert: lsattr zeigt es, chattr -i oder -a als root hebt es auf.</translation>
    </message>
    <message>
        <source>Its file system is mounted read-only: mount it for writing first.</source>
        <translation>Ihr Dateisystem ist schreibgeschützt eingehängt: hängen Sie es zuerst beschreibbar ein.</translation>
    </message>
    <message>
        <source>You may not write to the file or change its folder: its owner, or root, can.</source>
        <translation>Sie dürfen die Datei nicht schreiben oder ihren Ordner nicht ändern: ihr Eigentümer oder root darf es.</translation>
    </message>
    <message>
        <source>The file is in use: end the program that holds it, then try again.</source>
        <translation>Die Datei wird benutzt: beenden Sie das Programm, das sie hält, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>It was deleted or moved after it was added.</source>
        <translation>Sie wurde nach dem Hinzufügen gelöscht oder verschoben.</translation>
    </message>
    <message>
        <source>The device reported an error: it may be failing.</source>
        <translation>Das Gerät meldete einen Fehler: es fällt vielleicht aus.</translation>
    </message>
    <message>
        <source>Add it again if the file now there is to be destroyed.</source>
        <translation>Fügen Sie sie erneut hinzu, wenn die Datei, die jetzt dort liegt, vernichtet werden soll.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln more files were not destroyed; Show Details lists them all.</source>
        <translation>
            <numerusform>%Ln weitere Datei wurde nicht vernichtet; Details zeigen alle.</numerusform>
            <numerusform>%Ln weitere Dateien wurden nicht vernichtet; Details zeigen alle.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pass %1 of %2: flushing</source>
        <translation>Durchgang %1 von %2: Sync</translation>
    </message>
    <message>
        <source>Pass %1 of %2: %3 %</source>
        <translation>Durchgang %1 von %2: %3 %</translation>
    </message>
    <message>
        <source>%1 of %2: %3 %</source>
        <translation>%1 von %2: %3 %</translation>
    </message>
    <message>
        <source>Measuring the speed</source>
        <translation>Geschwindigkeit wird gemessen</translation>
    </message>
    <message>
        <source>%1/s, %2 left</source>
        <translation>%1/s, noch %2</translation>
    </message>
    <message>
        <source>Destroying file %1 of %2</source>
        <translation>Datei %1 von %2 wird vernichtet</translation>
    </message>
    <message>
        <source>Paused. Continue goes on where the run stopped.</source>
        <translation>Angehalten. Fortsetzen macht dort weiter, wo der Durchlauf stand.</translation>
    </message>
    <message>
        <source>Wypelark closes once the run is paused or done: press Pause first.</source>
        <translation>Wypelark schließt, sobald der Durchlauf angehalten oder fertig ist: drücken Sie zuerst Pause.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files destroyed (%1, %2) in %3</source>
        <translation>
            <numerusform>%Ln Datei vernichtet (%1, mit %2) in %3</numerusform>
            <numerusform>%Ln Dateien vernichtet (%1, mit %2) in %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Afterwards, where the run leaves them empty, these folders are removed:</source>
        <translation>Danach werden diese Ordner entfernt, wo der Durchlauf sie leer lässt:</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files added to the list</source>
        <translation>
            <numerusform>%Ln Datei zur Liste hinzugefügt</numerusform>
            <numerusform>%Ln Dateien zur Liste hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading it back</source>
        <translation>Wird zurückgelesen</translation>
    </message>
    <message>
        <source>These files lay on flash storage (an SSD, NVMe, USB stick or memory card), whose wear levelling can keep old copies in blocks no overwrite reaches; encrypt such devices, and where they support it run fstrim on the volume:</source>
        <translation>Diese Dateien lagen auf Flash-Speicher (SSD, NVMe, USB-Stick oder Speicherkarte), dessen Verschleißausgleich alte Kopien in Blöcken behalten kann, die kein Überschreiben erreicht; verschlüsseln Sie solche Geräte und führen Sie, wo sie es unterstützen, fstrim auf dem Datenträger aus:</translation>
    </message>
    <message>
        <source>These files lay in memory (tmpfs, a RAM disk or zram): nothing of them reached a device, and a read-back of them proves only the memory:</source>
        <translation>Diese Dateien lagen im Arbeitsspeicher (tmpfs, RAM-Disk oder zram): nichts davon erreichte ein Gerät, und ein Zurücklesen prüft nur den Speicher:</translation>
    </message>
    <message>
        <source>The volume is mounted read-only; nothing can be written to it</source>
        <translation>Der Datenträger ist schreibgeschützt eingehängt; auf ihn kann nichts geschrieben werden</translation>
    </message>
    <message>
        <source>The volume lies in memory (tmpfs, a RAM disk or zram): its free space is memory that holds nothing once freed, and filling it would only press other programs out of memory</source>
        <translation>Der Datenträger liegt im Arbeitsspeicher (tmpfs, RAM-Disk oder zram): sein freier Platz ist Speicher, der nach dem Freigeben nichts behält, und ihn zu füllen würde nur andere Programme aus dem Speicher drängen</translation>
    </message>
    <message>
        <source>The volume lies on another machine (NFS, SMB and the like), whose server decides where the writes go, and a full disk there holds up everyone who uses it</source>
        <translation>Der Datenträger liegt auf einem anderen Rechner (NFS, SMB und ähnliche), dessen Server entscheidet, wohin die Schreibvorgänge gehen, und eine volle Platte dort hält alle auf, die sie nutzen</translation>
    </message>
    <message>
        <source>Some of these files lie on a copy-on-write or log-structured file system, where an overwrite goes to new blocks: their old blocks stay until they are reused.</source>
        <translation>Einige dieser Dateien liegen auf einem Copy-on-Write- oder logstrukturierten Dateisystem, wo ein Überschreiben in neue Blöcke geht: ihre alten Blöcke bleiben, bis sie wiederverwendet werden.</translation>
    </message>
    <message>
        <source>Some of these files lie on an overlay mount: a copy of them in a lower layer stays.</source>
        <translation>Einige dieser Dateien liegen auf einem Overlay-Mount: eine Kopie in einer unteren Schicht bleibt.</translation>
    </message>
    <message>
        <source>Some of these files lie on a network or FUSE file system, whose server or program decides where the overwrite goes.</source>
        <translation>Einige dieser Dateien liegen auf einem Netzwerk- oder FUSE-Dateisystem, dessen Server oder Programm entscheidet, wohin das Überschreiben geht.</translation>
    </message>
    <message>
        <source>Some of these files lie on flash storage, whose wear levelling can keep old copies that no overwrite reaches; encryption, and fstrim where the device supports it, serve better.</source>
        <translation>Einige dieser Dateien liegen auf Flash-Speicher, dessen Verschleißausgleich alte Kopien behalten kann, die kein Überschreiben erreicht; Verschlüsselung, und fstrim, wo das Gerät es unterstützt, dienen besser.</translation>
    </message>
    <message>
        <source>Some of these files lie in memory (tmpfs, a RAM disk or zram): nothing of them is on a device, and a read-back of them proves only the memory.</source>
        <translation>Einige dieser Dateien liegen im Arbeitsspeicher (tmpfs, RAM-Disk oder zram): nichts von ihnen liegt auf einem Gerät, und ein Zurücklesen beweist nur den Speicher.</translation>
    </message>
    <message>
        <source>The device&apos;s own blocks under the file hold other than what was written; the file was left</source>
        <translation>Die Blöcke des Geräts unter der Datei enthalten etwas anderes als geschrieben; die Datei wurde belassen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files added during the run are kept for a later Delete</source>
        <translation>
            <numerusform>%Ln neu hinzugefügte Datei wartet auf das nächste Löschen</numerusform>
            <numerusform>%Ln neu hinzugefügte Dateien warten auf das nächste Löschen</numerusform>
        </translation>
    </message>
    <message>
        <source>Already listed: nothing added</source>
        <translation>Bereits in der Liste: nichts hinzugefügt</translation>
    </message>
    <message numerus="yes">
        <source>%Ln passes</source>
        <comment>standing alone, beside the slider</comment>
        <translation>
            <numerusform>%Ln Durchgang</numerusform>
            <numerusform>%Ln Durchgänge</numerusform>
        </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Stopped before the end</source>
        <translation>Vor dem Ende angehalten</translation>
    </message>
    <message numerus="yes">
        <source>Ended: %Ln files not destroyed</source>
        <translation>
            <numerusform>Beendet: %Ln Datei nicht vernichtet</numerusform>
            <numerusform>Beendet: %Ln Dateien nicht vernichtet</numerusform>
        </translation>
    </message>
    <message>
        <source>Destroyed:</source>
        <translation>Vernichtet:</translation>
    </message>
    <message>
        <source>Not destroyed:</source>
        <translation>Nicht vernichtet:</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Overwrites files in place, then deletes them. The files and folders named are put in the deletion list; nothing is destroyed before Delete.</source>
        <translation>Überschreibt Dateien an Ort und Stelle und löscht sie dann. Die genannten Dateien und Ordner kommen in die Löschliste; vor Löschen wird nichts vernichtet.</translation>
    </message>
    <message>
        <source>Files, or folders with every file below them.</source>
        <translation>Dateien, oder Ordner mit allen Dateien darunter.</translation>
    </message>
    <message>
        <source>Try &apos;wypelark --help&apos;.</source>
        <translation>Versuchen Sie &apos;wypelark --help&apos;.</translation>
    </message>
    <message>
        <source>The paths are given as file:// addresses, as file managers hand their selection over.</source>
        <translation>Die Pfade werden als file://-Adressen übergeben, wie Dateimanager ihre Auswahl weiterreichen.</translation>
    </message>
    <message>
        <source>Not a local file address: %1</source>
        <translation>Keine Adresse einer lokalen Datei: %1</translation>
    </message>
    <message>
        <source>Put what your trash cans hold in the deletion list and ask, as Delete asks, whether to destroy it.</source>
        <translation>Legt den Inhalt Ihrer Papierkörbe in die Löschliste und fragt wie Löschen, ob er vernichtet werden soll.</translation>
    </message>
</context>
<context>
    <name>wypelark::AdministratorRunDialog</name>
    <message>
        <source>Waiting for the administrator&apos;s password…</source>
        <translation>Warten auf das Passwort des Administrators…</translation>
    </message>
    <message>
        <source>Destroy as Administrator</source>
        <translation>Als Administrator vernichten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Paused: the file being overwritten is partly overwritten</source>
        <translation>Angehalten: die gerade überschriebene Datei ist teilweise überschrieben</translation>
    </message>
    <message>
        <source>File %1 of %2, pass %3 of %4</source>
        <translation>Datei %1 von %2, Durchgang %3 von %4</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files destroyed as the administrator</source>
        <translation>
            <numerusform>%Ln Datei als Administrator vernichtet</numerusform>
            <numerusform>%Ln Dateien als Administrator vernichtet</numerusform>
        </translation>
    </message>
    <message>
        <source>The helper ended before its run did; nothing more was destroyed.</source>
        <translation>Das Hilfsprogramm endete vor seinem Lauf; nichts weiter wurde vernichtet.</translation>
    </message>
</context>
<context>
    <name>wypelark::BrowserPane</name>
    <message>
        <source>Select Files and Folders to Delete</source>
        <translation>Zu löschende Dateien und Ordner wählen</translation>
    </message>
    <message>
        <source>Add Selected Files</source>
        <translation>Ausgewählte Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Laufwerke</translation>
    </message>
    <message>
        <source>The folder does not answer. Another folder or drive can be chosen meanwhile.</source>
        <translation>Der Ordner antwortet nicht. Inzwischen kann ein anderer Ordner oder ein anderes Laufwerk gewählt werden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Drive not ready</source>
        <translation>Laufwerk nicht bereit</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Wird gelesen...</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
</context>
<context>
    <name>wypelark::CommandHost</name>
    <message>
        <source>pass %1/%2  %3 of %4  %5/s  %6 left</source>
        <translation>Durchgang %1/%2  %3 von %4  %5/s  noch %6</translation>
    </message>
    <message>
        <source>free space</source>
        <translation>freier Platz</translation>
    </message>
</context>
<context>
    <name>wypelark::DeletionListModel</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Bytes: %1</source>
        <translation>Bytes: %1</translation>
    </message>
    <message>
        <source>Not destroyed: %1</source>
        <translation>Nicht vernichtet: %1</translation>
    </message>
    <message>
        <source>Added during the run: kept for a later Delete</source>
        <translation>Während des Durchlaufs hinzugefügt: bleibt für ein späteres Löschen</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <translation>%1 (vorher %2)</translation>
    </message>
    <message>
        <source>Put in the Trash from %1</source>
        <translation>Aus %1 in den Papierkorb gelegt</translation>
    </message>
</context>
<context>
    <name>wypelark::DeletionListPane</name>
    <message>
        <source>Files to Delete</source>
        <translation>Zu löschende Dateien</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Run Record…</source>
        <translation>Protokoll des Laufs…</translation>
    </message>
</context>
<context>
    <name>wypelark::DesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>wypelark::FailureReportingApplication</name>
    <message>
        <source>Run-time error %1:

%2</source>
        <translation>Laufzeitfehler %1:

%2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>wypelark::FileListModel</name>
    <message>
        <source>Bytes: %1</source>
        <translation>Bytes: %1</translation>
    </message>
</context>
<context>
    <name>wypelark::ProgressPane</name>
    <message>
        <source>Overall Progress</source>
        <translation>Gesamtfortschritt</translation>
    </message>
    <message>
        <source>Current File Progress</source>
        <translation>Fortschritt der aktuellen Datei</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
</context>
<context>
    <name>wypelark::ReportDialog</name>
    <message>
        <source>Show Details...</source>
        <translation>Details anzeigen...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Details ausblenden...</translation>
    </message>
</context>
<context>
    <name>wypelark::RunCommands</name>
    <message>
        <source>Destroy</source>
        <translation>Vernichten</translation>
    </message>
    <message>
        <source>Read each file back before deleting it</source>
        <translation>Jede Datei vor dem Löschen zurücklesen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>A run is under way or paused: finish it first.</source>
        <translation>Ein Lauf ist im Gang oder angehalten: ihn zuerst zu Ende bringen.</translation>
    </message>
    <message>
        <source>Fill Free Space</source>
        <translation>Freien Platz füllen</translation>
    </message>
    <message>
        <source>Read each pass back before giving the space back</source>
        <translation>Jeden Durchgang zurücklesen, bevor der Platz zurückgegeben wird</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>The list is empty: add files first</source>
        <translation>Die Liste ist leer: zuerst Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Destroy as Administrator…</source>
        <translation>Als Administrator vernichten…</translation>
    </message>
</context>
<context>
    <name>wypelark::RunRecordDialog</name>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>Save as JSON…</source>
        <translation>Als JSON speichern…</translation>
    </message>
    <message>
        <source>Save the Run Record as PDF</source>
        <translation>Protokoll des Laufs als PDF speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save the Run Record as JSON</source>
        <translation>Protokoll des Laufs als JSON speichern</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>The record could not be kept in %1: %2</source>
        <translation>Das Protokoll konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
</context>
<context>
    <name>wypelark::frmMain</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Destroy the listed files, or go on with a paused run</source>
        <translation>Die aufgelisteten Dateien vernichten oder einen angehaltenen Lauf fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stop the run after its next write</source>
        <translation>Den Lauf nach seinem nächsten Schreibvorgang anhalten</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Open Wypelark&apos;s web page</source>
        <translation>Die Webseite von Wypelark öffnen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close Wypelark</source>
        <translation>Wypelark schließen</translation>
    </message>
    <message>
        <source>Delete Method</source>
        <translation>Löschmethode</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Durchgänge</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Quick delete (Not very safe)</source>
        <translation>Schnelles Löschen (nicht sehr sicher)</translation>
    </message>
    <message>
        <source>Might delete (Somewhat safe)</source>
        <translation>Mögliches Löschen (einigermaßen sicher)</translation>
    </message>
    <message>
        <source>Military delete (Safe)</source>
        <translation>Militärisches Löschen (sicher)</translation>
    </message>
    <message>
        <source>Secure delete (No recovery)</source>
        <translation>Sicheres Löschen (keine Wiederherstellung)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>No web browser took the address. Wypelark&apos;s web page is at:</source>
        <translation>Kein Webbrowser hat die Adresse geöffnet. Die Webseite von Wypelark ist:</translation>
    </message>
    <message>
        <source>Wipe Free Space…</source>
        <translation>Freien Platz löschen…</translation>
    </message>
    <message>
        <source>Shred the Trash…</source>
        <translation>Papierkorb vernichten…</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>FillTexts</name>
    <message numerus="yes">
        <source>The free space was filled %Ln times (%1 the last time), each pass flushed to the device and given back.</source>
        <translation>
            <numerusform>The free space was filled once (%1), flushed to the device and given back.</numerusform>
            <numerusform>The free space was filled %Ln times (%1 the last time), each pass flushed to the device and given back.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProofTexts</name>
    <message numerus="yes">
        <source>every block of the file on the device holds the fill (%n piece(s), %1); it had moved, and its old blocks hold the fill too</source>
        <translation>
            <numerusform>every block of the file on the device holds the fill (%n piece, %1); it had moved, and its old blocks hold the fill too</numerusform>
            <numerusform>every block of the file on the device holds the fill (%n pieces, %1); it had moved, and its old blocks hold the fill too</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>every block of the file on the device holds the fill (%n piece(s), %1)</source>
        <translation>
            <numerusform>every block of the file on the device holds the fill (%n piece, %1)</numerusform>
            <numerusform>every block of the file on the device holds the fill (%n pieces, %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the old copy is still on the device, in %n block(s) that are now free space</source>
        <translation>
            <numerusform>the old copy is still on the device, in %n block that is now free space</numerusform>
            <numerusform>the old copy is still on the device, in %n blocks that are now free space</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The old copy of %n destroyed file(s) is still on the device, in blocks that are now free space: the file system had moved the data before the overwrite reached it. Wiping the volume&apos;s free space overwrites those blocks.</source>
        <translation>
            <numerusform>The old copy of %n destroyed file is still on the device, in blocks that are now free space: the file system had moved the data before the overwrite reached it. Wiping the volume&apos;s free space overwrites those blocks.</numerusform>
            <numerusform>The old copies of %n destroyed files are still on the device, in blocks that are now free space: the file system had moved the data before the overwrite reached it. Wiping the volume&apos;s free space overwrites those blocks.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Run from %1 to %2 on %3 by %4: %n pass(es) of the byte 0x30 (the character 0)</source>
        <translation>
            <numerusform>Run from %1 to %2 on %3 by %4: %n pass of the byte 0x30 (the character 0)</numerusform>
            <numerusform>Run from %1 to %2 on %3 by %4: %n passes of the byte 0x30 (the character 0)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WipeTexts</name>
    <message numerus="yes">
        <source>%1 of %Ln files could not be destroyed.</source>
        <translation>
            <numerusform>%1 of %Ln files could not be destroyed.</numerusform>
            <numerusform>%1 of %Ln files could not be destroyed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>For %Ln destroyed files the overwrite may not have reached every old copy.</source>
        <translation>
            <numerusform>For %Ln destroyed files the overwrite may not have reached every old copy.</numerusform>
            <numerusform>For %Ln destroyed files the overwrite may not have reached every old copy.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %Ln files were destroyed, but for %1 of them the overwrite may not have reached every old copy.</source>
        <translation>
            <numerusform>All %Ln files were destroyed, but for %1 of them the overwrite may not have reached every old copy.</numerusform>
            <numerusform>All %Ln files were destroyed, but for %1 of them the overwrite may not have reached every old copy.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %Ln files were destroyed.</source>
        <translation>
            <numerusform>All %Ln files were destroyed.</numerusform>
            <numerusform>All %Ln files were destroyed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files left behind by an interrupted run were found.</source>
        <translation>
            <numerusform>%Ln files left behind by an interrupted run were found.</numerusform>
            <numerusform>%Ln files left behind by an interrupted run were found.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of the folders added were not removed.</source>
        <translation>
            <numerusform>%Ln of the folders added were not removed.</numerusform>
            <numerusform>%Ln of the folders added were not removed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <translation>
            <numerusform>%Ln folder</numerusform>
            <numerusform>%Ln folders</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln file</numerusform>
            <numerusform>%Ln files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passes</source>
        <translation>
            <numerusform>%Ln pass</numerusform>
            <numerusform>%Ln passes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <translation>
            <numerusform>and %Ln more</numerusform>
            <numerusform>and %Ln more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln more files were not destroyed; Show Details lists them all.</source>
        <translation>
            <numerusform>%Ln more file was not destroyed; Show Details lists them all.</numerusform>
            <numerusform>%Ln more files were not destroyed; Show Details lists them all.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files destroyed (%1, %2) in %3</source>
        <translation>
            <numerusform>%Ln file destroyed (%1, %2) in %3</numerusform>
            <numerusform>%Ln files destroyed (%1, %2) in %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files added to the list</source>
        <translation>
            <numerusform>%Ln file added to the list</numerusform>
            <numerusform>%Ln files added to the list</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files added during the run are kept for a later Delete</source>
        <translation>
            <numerusform>%Ln file added during the run is kept for a later Delete</numerusform>
            <numerusform>%Ln files added during the run are kept for a later Delete</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passes</source>
        <comment>standing alone, beside the slider</comment>
        <translation>
            <numerusform>%Ln pass</numerusform>
            <numerusform>%Ln passes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ended: %Ln files not destroyed</source>
        <translation>
            <numerusform>Ended: %Ln file not destroyed</numerusform>
            <numerusform>Ended: %Ln files not destroyed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>wypelark::AdministratorRunDialog</name>
    <message numerus="yes">
        <source>%Ln files destroyed as the administrator</source>
        <translation>
            <numerusform>%Ln file destroyed as the administrator</numerusform>
            <numerusform>%Ln files destroyed as the administrator</numerusform>
        </translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>PlayerWindow</name>
    <message numerus="yes">
        <location filename="../host/playerwindow.cpp" line="+451"/>
        <source>%n video(s) in %1</source>
        <translation>
            <numerusform>%n video in %1</numerusform>
            <numerusform>%n videos in %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferWizardWindow</name>
    <message numerus="yes">
        <location filename="../wizard/transferwizardwindow.cpp" line="+321"/>
        <location line="+114"/>
        <source>%n video(s) to %1</source>
        <translation>
            <numerusform>%n video to %1</numerusform>
            <numerusform>%n videos to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-113"/>
        <location line="+114"/>
        <source>Transferring %n video(s) to %1</source>
        <translation>
            <numerusform>Transferring %n video to %1</numerusform>
            <numerusform>Transferring %n videos to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+46"/>
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n video</numerusform>
            <numerusform>%n videos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+33"/>
        <source>a disc of %n video(s) for a %1</source>
        <translation>
            <numerusform>a disc of %n video for a %1</numerusform>
            <numerusform>a disc of %n videos for a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Making a disc of %n video(s) for a %1</source>
        <translation>
            <numerusform>Making a disc of %n video for a %1</numerusform>
            <numerusform>Making a disc of %n videos for a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+187"/>
        <source>%1 of %n video(s) arrived in %2.</source>
        <translation>
            <numerusform>%1 of %n video arrived in %2.</numerusform>
            <numerusform>%1 of %n videos arrived in %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+81"/>
        <source>%1 of %n video(s) arrived</source>
        <translation>
            <numerusform>%1 of %n video arrived</numerusform>
            <numerusform>%1 of %n videos arrived</numerusform>
        </translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>PlayerWindow</name>
    <message numerus="yes">
        <location filename="../host/playerwindow.cpp" line="+479"/>
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
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="+42"/>
        <location line="+160"/>
        <source>%n video(s) to %1</source>
        <translation>
            <numerusform>%n video to %1</numerusform>
            <numerusform>%n videos to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-159"/>
        <location line="+160"/>
        <source>Transferring %n video(s) to %1</source>
        <translation>
            <numerusform>Transferring %n video to %1</numerusform>
            <numerusform>Transferring %n videos to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+39"/>
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n video</numerusform>
            <numerusform>%n videos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="+39"/>
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
        <location filename="../wizard/transferwizardwindow_summary.cpp" line="+148"/>
        <source>%1 of %n video(s) arrived in %2.</source>
        <translation>
            <numerusform>%1 of %n video arrived in %2.</numerusform>
            <numerusform>%1 of %n videos arrived in %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n was there already.</source>
        <translation>
            <numerusform>%n was there already.</numerusform>
            <numerusform>%n were there already.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+27"/>
        <source>%1 of %n video(s) arrived</source>
        <translation>
            <numerusform>%1 of %n video arrived</numerusform>
            <numerusform>%1 of %n videos arrived</numerusform>
        </translation>
    </message>
</context>
</TS>

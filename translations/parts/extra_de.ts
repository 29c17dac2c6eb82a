<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>quadrino::AboutBox</name>
    <message>
        <source>The board with one pawn of each colour and two dice</source>
        <translation>Das Spielbrett mit je einer Figur jeder Farbe und zwei Würfeln</translation>
    </message>
</context>
<context>
    <name>quadrino::LobbyAdvert</name>
    <message>
        <source>Quadrino logo</source>
        <translation>Quadrino-Logo</translation>
    </message>
</context>
<context>
    <name>quadrino::TablePanel</name>
    <message>
        <source>Last move</source>
        <translation>Letzter Zug</translation>
    </message>
    <message>
        <source>Moving pawns</source>
        <translation>Figuren in Bewegung</translation>
    </message>
</context>
</TS>
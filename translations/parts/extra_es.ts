<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>quadrino::AboutBox</name>
    <message>
        <source>The board with one pawn of each colour and two dice</source>
        <translation>El tablero con una ficha de cada color y dos dados</translation>
    </message>
</context>
<context>
    <name>quadrino::LobbyAdvert</name>
    <message>
        <source>Quadrino logo</source>
        <translation>Logotipo de Quadrino</translation>
    </message>
</context>
<context>
    <name>quadrino::TablePanel</name>
    <message>
        <source>Last move</source>
        <translation>Última jugada</translation>
    </message>
    <message>
        <source>Moving pawns</source>
        <translation>Fichas en movimiento</translation>
    </message>
</context>
</TS>
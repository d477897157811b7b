<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Menu</name>
    <message>
        <source>For &amp;Teachers</source>
        <translation>Para &amp;maestros</translation>
    </message>
    <message>
        <source>Teachers&apos; &amp;Guide</source>
        <translation>&amp;Guía para maestros</translation>
    </message>
    <message>
        <source>&amp;Journeys on this Computer...</source>
        <translation>&amp;Viajes en esta computadora...</translation>
    </message>
    <message>
        <source>&amp;Normal Captions</source>
        <translation>Subtítulos &amp;normales</translation>
    </message>
    <message>
        <source>&amp;Large Captions</source>
        <translation>Subtítulos &amp;grandes</translation>
    </message>
    <message>
        <source>La&amp;rger Captions</source>
        <translation>Subtítulos m&amp;uy grandes</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Pantalla &amp;completa</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Open Saved Game</source>
        <translation>&amp;Abrir juego guardado</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Guardar juego</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>Music On</source>
        <translation>Música encendida</translation>
    </message>
    <message>
        <source>Music Off</source>
        <translation>Música apagada</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volumen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About Kelvarin</source>
        <translation>&amp;Acerca de Kelvarin</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuevo juego</translation>
    </message>
    <message>
        <source>&amp;Open Journey...</source>
        <translation>A&amp;brir viaje...</translation>
    </message>
    <message>
        <source>&amp;Save Journey...</source>
        <translation>&amp;Guardar viaje...</translation>
    </message>
    <message>
        <source>&amp;Journal of the Journey...</source>
        <translation>&amp;Diario del viaje...</translation>
    </message>
    <message>
        <source>Hear the Story &amp;Again</source>
        <translation>&amp;Escuchar la historia otra vez</translation>
    </message>
</context>
</TS>

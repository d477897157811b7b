<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Menu</name>
    <message>
        <source>For &amp;Teachers</source>
        <translation>Pour les &amp;enseignants</translation>
    </message>
    <message>
        <source>Teachers&apos; &amp;Guide</source>
        <translation>&amp;Guide des enseignants</translation>
    </message>
    <message>
        <source>&amp;Journeys on this Computer...</source>
        <translation>&amp;Voyages sur cet ordinateur...</translation>
    </message>
    <message>
        <source>&amp;Normal Captions</source>
        <translation>Sous-titres &amp;normaux</translation>
    </message>
    <message>
        <source>&amp;Large Captions</source>
        <translation>Sous-titres &amp;grands</translation>
    </message>
    <message>
        <source>La&amp;rger Captions</source>
        <translation>Sous-titres &amp;très grands</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Plein &amp;écran</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Open Saved Game</source>
        <translation>&amp;Ouvrir une partie enregistrée</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Enregistrer la partie</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>Music On</source>
        <translation>Musique activée</translation>
    </message>
    <message>
        <source>Music Off</source>
        <translation>Musique désactivée</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Aff&amp;ichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About Kelvarin</source>
        <translation>À &amp;propos de Kelvarin</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Open Journey...</source>
        <translation>&amp;Ouvrir un voyage...</translation>
    </message>
    <message>
        <source>&amp;Save Journey...</source>
        <translation>&amp;Enregistrer le voyage...</translation>
    </message>
    <message>
        <source>&amp;Journal of the Journey...</source>
        <translation>&amp;Journal du voyage...</translation>
    </message>
    <message>
        <source>Hear the Story &amp;Again</source>
        <translation>Réé&amp;couter l&apos;histoire</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Goods</name>
    <message numerus="yes">
        <source>cucumber</source>
        <translation>
            <numerusform>pepino</numerusform>
            <numerusform>pepinos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>zuccini</source>
        <translation>
            <numerusform>calabacín</numerusform>
            <numerusform>calabacines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>watermelon</source>
        <translation>
            <numerusform>sandía</numerusform>
            <numerusform>sandías</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of radishes</source>
        <translation>
            <numerusform>bolsa de rábanos</numerusform>
            <numerusform>bolsas de rábanos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of strawberries</source>
        <translation>
            <numerusform>canasta de fresas</numerusform>
            <numerusform>canastas de fresas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of peaches</source>
        <translation>
            <numerusform>canasta de duraznos</numerusform>
            <numerusform>canastas de duraznos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of pears</source>
        <translation>
            <numerusform>canasta de peras</numerusform>
            <numerusform>canastas de peras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of plums</source>
        <translation>
            <numerusform>canasta de ciruelas</numerusform>
            <numerusform>canastas de ciruelas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of oranges</source>
        <translation>
            <numerusform>canasta de naranjas</numerusform>
            <numerusform>canastas de naranjas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of nectarines</source>
        <translation>
            <numerusform>canasta de nectarinas</numerusform>
            <numerusform>canastas de nectarinas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of sweet corn</source>
        <translation>
            <numerusform>canasta de maíz dulce</numerusform>
            <numerusform>canastas de maíz dulce</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of mushrooms</source>
        <translation>
            <numerusform>canasta de hongos</numerusform>
            <numerusform>canastas de hongos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of red apples</source>
        <translation>
            <numerusform>bolsa de manzanas rojas</numerusform>
            <numerusform>bolsas de manzanas rojas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of yellow apples</source>
        <translation>
            <numerusform>bolsa de manzanas amarillas</numerusform>
            <numerusform>bolsas de manzanas amarillas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>muskmelon</source>
        <translation>
            <numerusform>melón almizclero</numerusform>
            <numerusform>melones almizcleros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cantelope</source>
        <translation>
            <numerusform>melón cantalupo</numerusform>
            <numerusform>melones cantalupo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of grapes</source>
        <translation>
            <numerusform>racimo de uvas</numerusform>
            <numerusform>racimos de uvas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of onions</source>
        <translation>
            <numerusform>bolsa de cebollas</numerusform>
            <numerusform>bolsas de cebollas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of carrots</source>
        <translation>
            <numerusform>bolsa de zanahorias</numerusform>
            <numerusform>bolsas de zanahorias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of celery</source>
        <translation>
            <numerusform>bolsa de apio</numerusform>
            <numerusform>bolsas de apio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pumpkin</source>
        <translation>
            <numerusform>calabaza</numerusform>
            <numerusform>calabazas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of yellow peppers</source>
        <translation>
            <numerusform>bolsa de pimientos amarillos</numerusform>
            <numerusform>bolsas de pimientos amarillos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of green beans</source>
        <translation>
            <numerusform>canasta de ejotes</numerusform>
            <numerusform>canastas de ejotes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of tomatoes</source>
        <translation>
            <numerusform>canasta de tomates</numerusform>
            <numerusform>canastas de tomates</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pack of pumpkin seeds</source>
        <translation>
            <numerusform>paquete de semillas de calabaza</numerusform>
            <numerusform>paquetes de semillas de calabaza</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pack of flower seeds</source>
        <translation>
            <numerusform>paquete de semillas de flores</numerusform>
            <numerusform>paquetes de semillas de flores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pack of radish seeds</source>
        <translation>
            <numerusform>paquete de semillas de rábano</numerusform>
            <numerusform>paquetes de semillas de rábano</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pack of cucumber seeds</source>
        <translation>
            <numerusform>paquete de semillas de pepino</numerusform>
            <numerusform>paquetes de semillas de pepino</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pack of lettuce seeds</source>
        <translation>
            <numerusform>paquete de semillas de lechuga</numerusform>
            <numerusform>paquetes de semillas de lechuga</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pack of watermelon seeds</source>
        <translation>
            <numerusform>paquete de semillas de sandía</numerusform>
            <numerusform>paquetes de semillas de sandía</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pack of sweet corn seeds</source>
        <translation>
            <numerusform>paquete de semillas de maíz dulce</numerusform>
            <numerusform>paquetes de semillas de maíz dulce</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pack of tomato seeds</source>
        <translation>
            <numerusform>paquete de semillas de tomate</numerusform>
            <numerusform>paquetes de semillas de tomate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bundle of straw</source>
        <translation>
            <numerusform>atado de paja</numerusform>
            <numerusform>atados de paja</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>straw hat</source>
        <translation>
            <numerusform>sombrero de paja</numerusform>
            <numerusform>sombreros de paja</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of chrysanthemums</source>
        <translation>
            <numerusform>ramo de crisantemos</numerusform>
            <numerusform>ramos de crisantemos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of zenias</source>
        <translation>
            <numerusform>ramo de zinnias</numerusform>
            <numerusform>ramos de zinnias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of orange dahlias</source>
        <translation>
            <numerusform>ramo de dalias anaranjadas</numerusform>
            <numerusform>ramos de dalias anaranjadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of autumn clematis</source>
        <translation>
            <numerusform>ramo de clemátides de otoño</numerusform>
            <numerusform>ramos de clemátides de otoño</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of sumac berries</source>
        <translation>
            <numerusform>racimo de bayas de zumaque</numerusform>
            <numerusform>racimos de bayas de zumaque</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of goldenrod</source>
        <translation>
            <numerusform>ramo de vara de oro</numerusform>
            <numerusform>ramos de vara de oro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of asters</source>
        <translation>
            <numerusform>ramo de ásteres</numerusform>
            <numerusform>ramos de ásteres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of yellow coreopsis</source>
        <translation>
            <numerusform>ramo de coreopsis amarillas</numerusform>
            <numerusform>ramos de coreopsis amarillas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wooden crate</source>
        <translation>
            <numerusform>cajón de madera</numerusform>
            <numerusform>cajones de madera</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wooden box</source>
        <translation>
            <numerusform>caja de madera</numerusform>
            <numerusform>cajas de madera</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket</source>
        <translation>
            <numerusform>canasta</numerusform>
            <numerusform>canastas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pail</source>
        <translation>
            <numerusform>cubeta</numerusform>
            <numerusform>cubetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>large jug</source>
        <translation>
            <numerusform>jarra grande</numerusform>
            <numerusform>jarras grandes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>small jug</source>
        <translation>
            <numerusform>jarra pequeña</numerusform>
            <numerusform>jarras pequeñas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of alyssum</source>
        <translation>
            <numerusform>ramo de alisón</numerusform>
            <numerusform>ramos de alisón</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>boy straw doll</source>
        <translation>
            <numerusform>muñeco de paja con forma de niño</numerusform>
            <numerusform>muñecos de paja con forma de niño</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>girl straw doll</source>
        <translation>
            <numerusform>muñeca de paja con forma de niña</numerusform>
            <numerusform>muñecas de paja con forma de niña</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of marigolds</source>
        <translation>
            <numerusform>ramo de caléndulas</numerusform>
            <numerusform>ramos de caléndulas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of daisies</source>
        <translation>
            <numerusform>ramo de margaritas</numerusform>
            <numerusform>ramos de margaritas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>flower pot</source>
        <translation>
            <numerusform>maceta</numerusform>
            <numerusform>macetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of potting soil</source>
        <translation>
            <numerusform>bolsa de tierra para macetas</numerusform>
            <numerusform>bolsas de tierra para macetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of peat moss</source>
        <translation>
            <numerusform>bolsa de musgo de turba</numerusform>
            <numerusform>bolsas de musgo de turba</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of fertilizer</source>
        <translation>
            <numerusform>bolsa de fertilizante</numerusform>
            <numerusform>bolsas de fertilizante</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>garden spade</source>
        <translation>
            <numerusform>pala de jardín</numerusform>
            <numerusform>palas de jardín</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bird house</source>
        <translation>
            <numerusform>casita para pájaros</numerusform>
            <numerusform>casitas para pájaros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>whistle</source>
        <translation>
            <numerusform>silbato</numerusform>
            <numerusform>silbatos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wind sock decoration</source>
        <translation>
            <numerusform>manga de viento decorativa</numerusform>
            <numerusform>mangas de viento decorativas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>spinning lawn ornament</source>
        <translation>
            <numerusform>adorno giratorio para el césped</numerusform>
            <numerusform>adornos giratorios para el césped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>multicolored banner</source>
        <translation>
            <numerusform>estandarte multicolor</numerusform>
            <numerusform>estandartes multicolores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>multicolored streamer</source>
        <translation>
            <numerusform>banderola multicolor</numerusform>
            <numerusform>banderolas multicolores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>butterfly flag</source>
        <translation>
            <numerusform>bandera con una mariposa</numerusform>
            <numerusform>banderas con una mariposa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>plastic dragonfly</source>
        <translation>
            <numerusform>libélula de plástico</numerusform>
            <numerusform>libélulas de plástico</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>plastic spider</source>
        <translation>
            <numerusform>araña de plástico</numerusform>
            <numerusform>arañas de plástico</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic frog</source>
        <translation>
            <numerusform>rana de cerámica</numerusform>
            <numerusform>ranas de cerámica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>red flag</source>
        <translation>
            <numerusform>bandera roja</numerusform>
            <numerusform>banderas rojas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>white flag</source>
        <translation>
            <numerusform>bandera blanca</numerusform>
            <numerusform>banderas blancas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>flower ornament</source>
        <translation>
            <numerusform>adorno floral</numerusform>
            <numerusform>adornos florales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>badmitten set</source>
        <translation>
            <numerusform>juego de bádminton</numerusform>
            <numerusform>juegos de bádminton</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>large pinwheel</source>
        <translation>
            <numerusform>molinete grande</numerusform>
            <numerusform>molinetes grandes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>small pinwheel</source>
        <translation>
            <numerusform>molinete pequeño</numerusform>
            <numerusform>molinetes pequeños</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>white gloves</source>
        <translation>
            <numerusform>par de guantes blancos</numerusform>
            <numerusform>pares de guantes blancos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>moon and stars banner</source>
        <translation>
            <numerusform>estandarte de luna y estrellas</numerusform>
            <numerusform>estandartes de luna y estrellas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>red and white flag</source>
        <translation>
            <numerusform>bandera roja y blanca</numerusform>
            <numerusform>banderas rojas y blancas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>black and white flag</source>
        <translation>
            <numerusform>bandera negra y blanca</numerusform>
            <numerusform>banderas negras y blancas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>flower lawn decoration</source>
        <translation>
            <numerusform>decoración de flor para el césped</numerusform>
            <numerusform>decoraciones de flor para el césped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>baseball</source>
        <translation>
            <numerusform>pelota de béisbol</numerusform>
            <numerusform>pelotas de béisbol</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>baseball bat</source>
        <translation>
            <numerusform>bate de béisbol</numerusform>
            <numerusform>bates de béisbol</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lady bug costume</source>
        <translation>
            <numerusform>disfraz de catarina</numerusform>
            <numerusform>disfraces de catarina</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pumpkin costume</source>
        <translation>
            <numerusform>disfraz de calabaza</numerusform>
            <numerusform>disfraces de calabaza</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>baby doll</source>
        <translation>
            <numerusform>muñeca bebé</numerusform>
            <numerusform>muñecas bebé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rainslicker</source>
        <translation>
            <numerusform>impermeable</numerusform>
            <numerusform>impermeables</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>camouflage shirt</source>
        <translation>
            <numerusform>camisa de camuflaje</numerusform>
            <numerusform>camisas de camuflaje</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pair of camouflage pants</source>
        <translation>
            <numerusform>pantalón de camuflaje</numerusform>
            <numerusform>pantalones de camuflaje</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>white fringed skirt</source>
        <translation>
            <numerusform>falda blanca con flecos</numerusform>
            <numerusform>faldas blancas con flecos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>white boots</source>
        <translation>
            <numerusform>par de botas blancas</numerusform>
            <numerusform>pares de botas blancas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>white sundress</source>
        <translation>
            <numerusform>vestido de verano blanco</numerusform>
            <numerusform>vestidos de verano blancos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>white handkerchief</source>
        <translation>
            <numerusform>pañuelo blanco</numerusform>
            <numerusform>pañuelos blancos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>multi-colored handkerchief</source>
        <translation>
            <numerusform>pañuelo multicolor</numerusform>
            <numerusform>pañuelos multicolores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bandanna</source>
        <translation>
            <numerusform>bandana</numerusform>
            <numerusform>bandanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>saddle bag</source>
        <translation>
            <numerusform>alforja</numerusform>
            <numerusform>alforjas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bridle</source>
        <translation>
            <numerusform>brida</numerusform>
            <numerusform>bridas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horse bit</source>
        <translation>
            <numerusform>bocado para caballo</numerusform>
            <numerusform>bocados para caballo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>saddle pad</source>
        <translation>
            <numerusform>almohadilla para montura</numerusform>
            <numerusform>almohadillas para montura</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>saddle blanket</source>
        <translation>
            <numerusform>manta para montura</numerusform>
            <numerusform>mantas para montura</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stirrup</source>
        <translation>
            <numerusform>estribo</numerusform>
            <numerusform>estribos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>harness</source>
        <translation>
            <numerusform>arnés</numerusform>
            <numerusform>arneses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>spurs</source>
        <translation>
            <numerusform>par de espuelas</numerusform>
            <numerusform>pares de espuelas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>noseband</source>
        <translation>
            <numerusform>muserola</numerusform>
            <numerusform>muserolas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tiedown</source>
        <translation>
            <numerusform>gamarra</numerusform>
            <numerusform>gamarras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pair of chaps</source>
        <translation>
            <numerusform>par de chaparreras</numerusform>
            <numerusform>pares de chaparreras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>browband</source>
        <translation>
            <numerusform>frontalera</numerusform>
            <numerusform>frontaleras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horse rein</source>
        <translation>
            <numerusform>rienda para caballo</numerusform>
            <numerusform>riendas para caballo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horse halter</source>
        <translation>
            <numerusform>cabestro para caballo</numerusform>
            <numerusform>cabestros para caballo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horse lead</source>
        <translation>
            <numerusform>cuerda guía para caballo</numerusform>
            <numerusform>cuerdas guía para caballo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pair of boots</source>
        <translation>
            <numerusform>par de botas</numerusform>
            <numerusform>pares de botas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pair of bell boots</source>
        <translation>
            <numerusform>par de campanas para caballo</numerusform>
            <numerusform>pares de campanas para caballo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horse crop</source>
        <translation>
            <numerusform>fusta para caballo</numerusform>
            <numerusform>fustas para caballo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horse whip</source>
        <translation>
            <numerusform>látigo para caballo</numerusform>
            <numerusform>látigos para caballo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>riding helmet</source>
        <translation>
            <numerusform>casco de equitación</numerusform>
            <numerusform>cascos de equitación</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stall mat</source>
        <translation>
            <numerusform>tapete para establo</numerusform>
            <numerusform>tapetes para establo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horse brush</source>
        <translation>
            <numerusform>cepillo para caballo</numerusform>
            <numerusform>cepillos para caballo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horse muzzle</source>
        <translation>
            <numerusform>bozal para caballo</numerusform>
            <numerusform>bozales para caballo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cowboy hat</source>
        <translation>
            <numerusform>sombrero vaquero</numerusform>
            <numerusform>sombreros vaqueros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>anthropology book</source>
        <translation>
            <numerusform>libro de antropología</numerusform>
            <numerusform>libros de antropología</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verunai costume book</source>
        <translation>
            <numerusform>libro de trajes Verunai</numerusform>
            <numerusform>libros de trajes Verunai</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verunai language book</source>
        <translation>
            <numerusform>libro del idioma Verunai</numerusform>
            <numerusform>libros del idioma Verunai</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verunai dance book</source>
        <translation>
            <numerusform>libro de danzas Verunai</numerusform>
            <numerusform>libros de danzas Verunai</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>world history book</source>
        <translation>
            <numerusform>libro de historia universal</numerusform>
            <numerusform>libros de historia universal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>geography book</source>
        <translation>
            <numerusform>libro de geografía</numerusform>
            <numerusform>libros de geografía</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>world atlas</source>
        <translation>
            <numerusform>atlas del mundo</numerusform>
            <numerusform>atlas del mundo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>medical reference book</source>
        <translation>
            <numerusform>libro de consulta de medicina</numerusform>
            <numerusform>libros de consulta de medicina</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>romance novel</source>
        <translation>
            <numerusform>novela romántica</numerusform>
            <numerusform>novelas románticas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>chemistry book</source>
        <translation>
            <numerusform>libro de química</numerusform>
            <numerusform>libros de química</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>earth science book</source>
        <translation>
            <numerusform>libro de ciencias de la Tierra</numerusform>
            <numerusform>libros de ciencias de la Tierra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>botany book</source>
        <translation>
            <numerusform>libro de botánica</numerusform>
            <numerusform>libros de botánica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bible</source>
        <translation>
            <numerusform>biblia</numerusform>
            <numerusform>biblias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>biology book</source>
        <translation>
            <numerusform>libro de biología</numerusform>
            <numerusform>libros de biología</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>comic book</source>
        <translation>
            <numerusform>cómic</numerusform>
            <numerusform>cómics</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>agriculture book</source>
        <translation>
            <numerusform>libro de agricultura</numerusform>
            <numerusform>libros de agricultura</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cookbook</source>
        <translation>
            <numerusform>libro de cocina</numerusform>
            <numerusform>libros de cocina</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book about birds</source>
        <translation>
            <numerusform>libro sobre pájaros</numerusform>
            <numerusform>libros sobre pájaros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>military history book</source>
        <translation>
            <numerusform>libro de historia militar</numerusform>
            <numerusform>libros de historia militar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Spanish book</source>
        <translation>
            <numerusform>libro de español</numerusform>
            <numerusform>libros de español</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>German book</source>
        <translation>
            <numerusform>libro de alemán</numerusform>
            <numerusform>libros de alemán</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Poetry book</source>
        <translation>
            <numerusform>libro de poesía</numerusform>
            <numerusform>libros de poesía</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>astronomy book</source>
        <translation>
            <numerusform>libro de astronomía</numerusform>
            <numerusform>libros de astronomía</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>concordance</source>
        <translation>
            <numerusform>concordancia de la Biblia</numerusform>
            <numerusform>concordancias de la Biblia</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fishing rod</source>
        <translation>
            <numerusform>caña de pescar</numerusform>
            <numerusform>cañas de pescar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fishing reel</source>
        <translation>
            <numerusform>carrete de pesca</numerusform>
            <numerusform>carretes de pesca</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fishing line</source>
        <translation>
            <numerusform>hilo de pescar</numerusform>
            <numerusform>hilos de pescar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fishing lure</source>
        <translation>
            <numerusform>señuelo de pesca</numerusform>
            <numerusform>señuelos de pesca</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tackle box</source>
        <translation>
            <numerusform>caja de pesca</numerusform>
            <numerusform>cajas de pesca</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of fish hooks</source>
        <translation>
            <numerusform>bolsa de anzuelos</numerusform>
            <numerusform>bolsas de anzuelos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pair of pliers</source>
        <translation>
            <numerusform>alicate</numerusform>
            <numerusform>alicates</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pair of wading boots</source>
        <translation>
            <numerusform>par de botas de pesca</numerusform>
            <numerusform>pares de botas de pesca</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pair of gloves</source>
        <translation>
            <numerusform>par de guantes</numerusform>
            <numerusform>pares de guantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tape measure</source>
        <translation>
            <numerusform>cinta métrica</numerusform>
            <numerusform>cintas métricas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rain hat</source>
        <translation>
            <numerusform>sombrero para la lluvia</numerusform>
            <numerusform>sombreros para la lluvia</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>umbrella</source>
        <translation>
            <numerusform>paraguas</numerusform>
            <numerusform>paraguas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>red T shirt</source>
        <translation>
            <numerusform>camiseta roja</numerusform>
            <numerusform>camisetas rojas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yellow T-shirt</source>
        <translation>
            <numerusform>camiseta amarilla</numerusform>
            <numerusform>camisetas amarillas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>blue T-shirt</source>
        <translation>
            <numerusform>camiseta azul</numerusform>
            <numerusform>camisetas azules</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>white T-shirt</source>
        <translation>
            <numerusform>camiseta blanca</numerusform>
            <numerusform>camisetas blancas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>thermos bottle</source>
        <translation>
            <numerusform>termo</numerusform>
            <numerusform>termos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>citronella candle</source>
        <translation>
            <numerusform>vela de citronela</numerusform>
            <numerusform>velas de citronela</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fish scaler</source>
        <translation>
            <numerusform>escamador de pescado</numerusform>
            <numerusform>escamadores de pescado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>poncho</source>
        <translation>
            <numerusform>poncho</numerusform>
            <numerusform>ponchos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>plastic bin</source>
        <translation>
            <numerusform>contenedor de plástico</numerusform>
            <numerusform>contenedores de plástico</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>plastic tarp</source>
        <translation>
            <numerusform>lona de plástico</numerusform>
            <numerusform>lonas de plástico</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>duct tape roll</source>
        <translation>
            <numerusform>rollo de cinta adhesiva gris</numerusform>
            <numerusform>rollos de cinta adhesiva gris</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of matches</source>
        <translation>
            <numerusform>manojo de cerillos</numerusform>
            <numerusform>manojos de cerillos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wolf painting</source>
        <translation>
            <numerusform>pintura de lobo</numerusform>
            <numerusform>pinturas de lobo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tiger painting</source>
        <translation>
            <numerusform>pintura de tigre</numerusform>
            <numerusform>pinturas de tigre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dog painting</source>
        <translation>
            <numerusform>pintura de perro</numerusform>
            <numerusform>pinturas de perro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cat painting</source>
        <translation>
            <numerusform>pintura de gato</numerusform>
            <numerusform>pinturas de gato</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bird painting</source>
        <translation>
            <numerusform>pintura de pájaro</numerusform>
            <numerusform>pinturas de pájaro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>buffalo painting</source>
        <translation>
            <numerusform>pintura de búfalo</numerusform>
            <numerusform>pinturas de búfalo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bear painting</source>
        <translation>
            <numerusform>pintura de oso</numerusform>
            <numerusform>pinturas de oso</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>owl painting</source>
        <translation>
            <numerusform>pintura de búho</numerusform>
            <numerusform>pinturas de búho</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>raccoon painting</source>
        <translation>
            <numerusform>pintura de mapache</numerusform>
            <numerusform>pinturas de mapache</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rabbit painting</source>
        <translation>
            <numerusform>pintura de conejo</numerusform>
            <numerusform>pinturas de conejo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>teddy bear</source>
        <translation>
            <numerusform>osito de peluche</numerusform>
            <numerusform>ositos de peluche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>santa doll</source>
        <translation>
            <numerusform>muñeco de Santa Claus</numerusform>
            <numerusform>muñecos de Santa Claus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pair of slippers</source>
        <translation>
            <numerusform>par de pantuflas</numerusform>
            <numerusform>pares de pantuflas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>toy raccoon</source>
        <translation>
            <numerusform>mapache de juguete</numerusform>
            <numerusform>mapaches de juguete</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>toy owl</source>
        <translation>
            <numerusform>búho de juguete</numerusform>
            <numerusform>búhos de juguete</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>toy rabbit</source>
        <translation>
            <numerusform>conejo de juguete</numerusform>
            <numerusform>conejos de juguete</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wolf wall hanging</source>
        <translation>
            <numerusform>tapiz de lobo</numerusform>
            <numerusform>tapices de lobo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>music box</source>
        <translation>
            <numerusform>caja de música</numerusform>
            <numerusform>cajas de música</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>glass jar</source>
        <translation>
            <numerusform>frasco de vidrio</numerusform>
            <numerusform>frascos de vidrio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic flower pot</source>
        <translation>
            <numerusform>maceta de cerámica</numerusform>
            <numerusform>macetas de cerámica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic cup</source>
        <translation>
            <numerusform>taza de cerámica</numerusform>
            <numerusform>tazas de cerámica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decorative heart plate</source>
        <translation>
            <numerusform>plato decorativo en forma de corazón</numerusform>
            <numerusform>platos decorativos en forma de corazón</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decorative metal plate</source>
        <translation>
            <numerusform>plato decorativo de metal</numerusform>
            <numerusform>platos decorativos de metal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>copper deer decoration</source>
        <translation>
            <numerusform>decoración de venado de cobre</numerusform>
            <numerusform>decoraciones de venado de cobre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Agate sample</source>
        <translation>
            <numerusform>muestra de ágata</numerusform>
            <numerusform>muestras de ágata</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Amber sample</source>
        <translation>
            <numerusform>muestra de ámbar</numerusform>
            <numerusform>muestras de ámbar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Amethyst sample</source>
        <translation>
            <numerusform>muestra de amatista</numerusform>
            <numerusform>muestras de amatista</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Amazonite sample</source>
        <translation>
            <numerusform>muestra de amazonita</numerusform>
            <numerusform>muestras de amazonita</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Bloodstone sample</source>
        <translation>
            <numerusform>muestra de heliotropo</numerusform>
            <numerusform>muestras de heliotropo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Calcite sample</source>
        <translation>
            <numerusform>muestra de calcita</numerusform>
            <numerusform>muestras de calcita</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Celestite sample</source>
        <translation>
            <numerusform>muestra de celestina</numerusform>
            <numerusform>muestras de celestina</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Charolite sample</source>
        <translation>
            <numerusform>muestra de charoíta</numerusform>
            <numerusform>muestras de charoíta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dioptase sample</source>
        <translation>
            <numerusform>muestra de dioptasa</numerusform>
            <numerusform>muestras de dioptasa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Emerald sample</source>
        <translation>
            <numerusform>muestra de esmeralda</numerusform>
            <numerusform>muestras de esmeralda</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fluorite sample</source>
        <translation>
            <numerusform>muestra de fluorita</numerusform>
            <numerusform>muestras de fluorita</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Garnet sample</source>
        <translation>
            <numerusform>muestra de granate</numerusform>
            <numerusform>muestras de granate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hematite sample</source>
        <translation>
            <numerusform>muestra de hematita</numerusform>
            <numerusform>muestras de hematita</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Jade sample</source>
        <translation>
            <numerusform>muestra de jade</numerusform>
            <numerusform>muestras de jade</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Jasper sample</source>
        <translation>
            <numerusform>muestra de jaspe</numerusform>
            <numerusform>muestras de jaspe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kyanite sample</source>
        <translation>
            <numerusform>muestra de cianita</numerusform>
            <numerusform>muestras de cianita</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lapis sample</source>
        <translation>
            <numerusform>muestra de lapislázuli</numerusform>
            <numerusform>muestras de lapislázuli</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Malachite sample</source>
        <translation>
            <numerusform>muestra de malaquita</numerusform>
            <numerusform>muestras de malaquita</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moldavite sample</source>
        <translation>
            <numerusform>muestra de moldavita</numerusform>
            <numerusform>muestras de moldavita</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moonstone sample</source>
        <translation>
            <numerusform>muestra de piedra de luna</numerusform>
            <numerusform>muestras de piedra de luna</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Peridot sample</source>
        <translation>
            <numerusform>muestra de peridoto</numerusform>
            <numerusform>muestras de peridoto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pyrite sample</source>
        <translation>
            <numerusform>muestra de pirita</numerusform>
            <numerusform>muestras de pirita</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quartz sample</source>
        <translation>
            <numerusform>muestra de cuarzo</numerusform>
            <numerusform>muestras de cuarzo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tourmaline sample</source>
        <translation>
            <numerusform>muestra de turmalina</numerusform>
            <numerusform>muestras de turmalina</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scented candle</source>
        <translation>
            <numerusform>vela aromática</numerusform>
            <numerusform>velas aromáticas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic horse</source>
        <translation>
            <numerusform>caballo de cerámica</numerusform>
            <numerusform>caballos de cerámica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic lighthouse</source>
        <translation>
            <numerusform>faro de cerámica</numerusform>
            <numerusform>faros de cerámica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horse T shirt</source>
        <translation>
            <numerusform>camiseta con un caballo</numerusform>
            <numerusform>camisetas con un caballo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>deer statue</source>
        <translation>
            <numerusform>estatua de venado</numerusform>
            <numerusform>estatuas de venado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>buffalo T shirt</source>
        <translation>
            <numerusform>camiseta con un búfalo</numerusform>
            <numerusform>camisetas con un búfalo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wolf T shirt</source>
        <translation>
            <numerusform>camiseta con un lobo</numerusform>
            <numerusform>camisetas con un lobo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lighthouse T shirt</source>
        <translation>
            <numerusform>camiseta con un faro</numerusform>
            <numerusform>camisetas con un faro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>moon T shirt</source>
        <translation>
            <numerusform>camiseta con la luna</numerusform>
            <numerusform>camisetas con la luna</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verunai pipe</source>
        <translation>
            <numerusform>pipa Verunai</numerusform>
            <numerusform>pipas Verunai</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verunai maiden print</source>
        <translation>
            <numerusform>lámina de muchacha Verunai</numerusform>
            <numerusform>láminas de muchacha Verunai</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Native American snow globe</source>
        <translation>
            <numerusform>globo de nieve nativo americano</numerusform>
            <numerusform>globos de nieve nativos americanos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>deer antler</source>
        <translation>
            <numerusform>asta de venado</numerusform>
            <numerusform>astas de venado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic flower</source>
        <translation>
            <numerusform>flor de cerámica</numerusform>
            <numerusform>flores de cerámica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>flint</source>
        <translation>
            <numerusform>pedernal</numerusform>
            <numerusform>pedernales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic fish</source>
        <translation>
            <numerusform>pez de cerámica</numerusform>
            <numerusform>peces de cerámica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic dragon</source>
        <translation>
            <numerusform>dragón de cerámica</numerusform>
            <numerusform>dragones de cerámica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wolf print</source>
        <translation>
            <numerusform>lámina de lobo</numerusform>
            <numerusform>láminas de lobo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bird print</source>
        <translation>
            <numerusform>lámina de pájaro</numerusform>
            <numerusform>láminas de pájaro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>buffalo print</source>
        <translation>
            <numerusform>lámina de búfalo</numerusform>
            <numerusform>láminas de búfalo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dragon print</source>
        <translation>
            <numerusform>lámina de dragón</numerusform>
            <numerusform>láminas de dragón</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wizard print</source>
        <translation>
            <numerusform>lámina de mago</numerusform>
            <numerusform>láminas de mago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wizard T shirt</source>
        <translation>
            <numerusform>camiseta con un mago</numerusform>
            <numerusform>camisetas con un mago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>mandella</source>
        <translation>
            <numerusform>mandala</numerusform>
            <numerusform>mandalas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>drum</source>
        <translation>
            <numerusform>tambor</numerusform>
            <numerusform>tambores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sun catcher</source>
        <translation>
            <numerusform>atrapasol</numerusform>
            <numerusform>atrapasoles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>concho</source>
        <translation>
            <numerusform>adorno redondo de metal</numerusform>
            <numerusform>adornos redondos de metal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>animal figurine</source>
        <translation>
            <numerusform>figura de animal</numerusform>
            <numerusform>figuras de animales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pottery piece</source>
        <translation>
            <numerusform>pieza de alfarería</numerusform>
            <numerusform>piezas de alfarería</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rabbit&apos;s foot</source>
        <translation>
            <numerusform>pata de conejo</numerusform>
            <numerusform>patas de conejo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>leather belt</source>
        <translation>
            <numerusform>cinturón de cuero</numerusform>
            <numerusform>cinturones de cuero</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fox tail</source>
        <translation>
            <numerusform>cola de zorro</numerusform>
            <numerusform>colas de zorro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>coyote tail</source>
        <translation>
            <numerusform>cola de coyote</numerusform>
            <numerusform>colas de coyote</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fox fur hat</source>
        <translation>
            <numerusform>gorro de piel de zorro</numerusform>
            <numerusform>gorros de piel de zorro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>raccoon tail</source>
        <translation>
            <numerusform>cola de mapache</numerusform>
            <numerusform>colas de mapache</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>turtle shell rattle</source>
        <translation>
            <numerusform>sonaja de caparazón de tortuga</numerusform>
            <numerusform>sonajas de caparazón de tortuga</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bird feather</source>
        <translation>
            <numerusform>pluma de pájaro</numerusform>
            <numerusform>plumas de pájaro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verunai maiden statue</source>
        <translation>
            <numerusform>estatua de muchacha Verunai</numerusform>
            <numerusform>estatuas de muchacha Verunai</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verunai warrior print</source>
        <translation>
            <numerusform>lámina de guerrero Verunai</numerusform>
            <numerusform>láminas de guerrero Verunai</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>canoe replica</source>
        <translation>
            <numerusform>réplica de canoa</numerusform>
            <numerusform>réplicas de canoa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>elk antler</source>
        <translation>
            <numerusform>asta de wapití</numerusform>
            <numerusform>astas de wapití</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic flowers</source>
        <translation>
            <numerusform>juego de flores de cerámica</numerusform>
            <numerusform>juegos de flores de cerámica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic pigeons</source>
        <translation>
            <numerusform>juego de palomas de cerámica</numerusform>
            <numerusform>juegos de palomas de cerámica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of potpourri</source>
        <translation>
            <numerusform>bolsa de popurrí</numerusform>
            <numerusform>bolsas de popurrí</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wolf replica</source>
        <translation>
            <numerusform>réplica de lobo</numerusform>
            <numerusform>réplicas de lobo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bull horn</source>
        <translation>
            <numerusform>cuerno de toro</numerusform>
            <numerusform>cuernos de toro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic eagle</source>
        <translation>
            <numerusform>águila de cerámica</numerusform>
            <numerusform>águilas de cerámica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic tiger</source>
        <translation>
            <numerusform>tigre de cerámica</numerusform>
            <numerusform>tigres de cerámica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic buffalo</source>
        <translation>
            <numerusform>búfalo de cerámica</numerusform>
            <numerusform>búfalos de cerámica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic wolf</source>
        <translation>
            <numerusform>lobo de cerámica</numerusform>
            <numerusform>lobos de cerámica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rabbit skin</source>
        <translation>
            <numerusform>piel de conejo</numerusform>
            <numerusform>pieles de conejo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>woven belt</source>
        <translation>
            <numerusform>cinturón tejido</numerusform>
            <numerusform>cinturones tejidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fox figurine</source>
        <translation>
            <numerusform>figura de zorro</numerusform>
            <numerusform>figuras de zorro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fox skin</source>
        <translation>
            <numerusform>piel de zorro</numerusform>
            <numerusform>pieles de zorro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>coyote skin</source>
        <translation>
            <numerusform>piel de coyote</numerusform>
            <numerusform>pieles de coyote</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>raccoon skin hat</source>
        <translation>
            <numerusform>gorro de piel de mapache</numerusform>
            <numerusform>gorros de piel de mapache</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>raccoon pelt</source>
        <translation>
            <numerusform>piel de mapache</numerusform>
            <numerusform>pieles de mapache</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic turtle</source>
        <translation>
            <numerusform>tortuga de cerámica</numerusform>
            <numerusform>tortugas de cerámica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>canoe model</source>
        <translation>
            <numerusform>maqueta de canoa</numerusform>
            <numerusform>maquetas de canoa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cowboy on horse figurine</source>
        <translation>
            <numerusform>figura de vaquero a caballo</numerusform>
            <numerusform>figuras de vaquero a caballo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>warrior on horse figurine</source>
        <translation>
            <numerusform>figura de guerrero a caballo</numerusform>
            <numerusform>figuras de guerrero a caballo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>eagle figurine</source>
        <translation>
            <numerusform>figura de águila</numerusform>
            <numerusform>figuras de águila</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>deer figurine</source>
        <translation>
            <numerusform>figura de venado</numerusform>
            <numerusform>figuras de venado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>crystal vase</source>
        <translation>
            <numerusform>florero de cristal</numerusform>
            <numerusform>floreros de cristal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>glass bird</source>
        <translation>
            <numerusform>pájaro de vidrio</numerusform>
            <numerusform>pájaros de vidrio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic dolphin</source>
        <translation>
            <numerusform>delfín de cerámica</numerusform>
            <numerusform>delfines de cerámica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>potpourri</source>
        <translation>
            <numerusform>popurrí</numerusform>
            <numerusform>popurrís</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wolf statue</source>
        <translation>
            <numerusform>estatua de lobo</numerusform>
            <numerusform>estatuas de lobo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of gumballs</source>
        <translation>
            <numerusform>bolsa de chicles de bola</numerusform>
            <numerusform>bolsas de chicles de bola</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of red hot candy</source>
        <translation>
            <numerusform>bolsa de caramelos picantes de canela</numerusform>
            <numerusform>bolsas de caramelos picantes de canela</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of liquorice</source>
        <translation>
            <numerusform>bolsa de regaliz</numerusform>
            <numerusform>bolsas de regaliz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of peanut butter fudge</source>
        <translation>
            <numerusform>bolsa de dulce de mantequilla de cacahuate</numerusform>
            <numerusform>bolsas de dulce de mantequilla de cacahuate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of chocolate drops</source>
        <translation>
            <numerusform>bolsa de gotas de chocolate</numerusform>
            <numerusform>bolsas de gotas de chocolate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of salt water taffy</source>
        <translation>
            <numerusform>bolsa de caramelos masticables de agua salada</numerusform>
            <numerusform>bolsas de caramelos masticables de agua salada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of mints</source>
        <translation>
            <numerusform>bolsa de mentas</numerusform>
            <numerusform>bolsas de mentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of orange slices</source>
        <translation>
            <numerusform>bolsa de gomitas de gajos de naranja</numerusform>
            <numerusform>bolsas de gomitas de gajos de naranja</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of coconut clusters</source>
        <translation>
            <numerusform>bolsa de bocaditos de coco</numerusform>
            <numerusform>bolsas de bocaditos de coco</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of jawbreakers</source>
        <translation>
            <numerusform>bolsa de caramelos rompemandíbulas</numerusform>
            <numerusform>bolsas de caramelos rompemandíbulas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of root beer barrels</source>
        <translation>
            <numerusform>bolsa de barrilitos de cerveza de raíz</numerusform>
            <numerusform>bolsas de barrilitos de cerveza de raíz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of gummi bears</source>
        <translation>
            <numerusform>bolsa de ositos de goma</numerusform>
            <numerusform>bolsas de ositos de goma</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of gummi worms</source>
        <translation>
            <numerusform>bolsa de gusanitos de goma</numerusform>
            <numerusform>bolsas de gusanitos de goma</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of lemon balls</source>
        <translation>
            <numerusform>bolsa de bolitas de limón</numerusform>
            <numerusform>bolsas de bolitas de limón</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of peppermint candy</source>
        <translation>
            <numerusform>bolsa de caramelos de menta</numerusform>
            <numerusform>bolsas de caramelos de menta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of cherry candy</source>
        <translation>
            <numerusform>bolsa de caramelos de cereza</numerusform>
            <numerusform>bolsas de caramelos de cereza</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of root beer candy</source>
        <translation>
            <numerusform>bolsa de caramelos de cerveza de raíz</numerusform>
            <numerusform>bolsas de caramelos de cerveza de raíz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of bubble gum candy</source>
        <translation>
            <numerusform>bolsa de caramelos sabor chicle</numerusform>
            <numerusform>bolsas de caramelos sabor chicle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of strawberry candy</source>
        <translation>
            <numerusform>bolsa de caramelos de fresa</numerusform>
            <numerusform>bolsas de caramelos de fresa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of grape candy</source>
        <translation>
            <numerusform>bolsa de caramelos de uva</numerusform>
            <numerusform>bolsas de caramelos de uva</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of raspberry candy</source>
        <translation>
            <numerusform>bolsa de caramelos de frambuesa</numerusform>
            <numerusform>bolsas de caramelos de frambuesa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of sour balls</source>
        <translation>
            <numerusform>bolsa de bolitas ácidas</numerusform>
            <numerusform>bolsas de bolitas ácidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of malted milk balls</source>
        <translation>
            <numerusform>bolsa de bolitas de leche malteada</numerusform>
            <numerusform>bolsas de bolitas de leche malteada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of caramel corn</source>
        <translation>
            <numerusform>bolsa de palomitas acarameladas</numerusform>
            <numerusform>bolsas de palomitas acarameladas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of flour</source>
        <translation>
            <numerusform>libra de harina</numerusform>
            <numerusform>libras de harina</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of sugar</source>
        <translation>
            <numerusform>libra de azúcar</numerusform>
            <numerusform>libras de azúcar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of potatoes</source>
        <translation>
            <numerusform>libra de papas</numerusform>
            <numerusform>libras de papas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of rice</source>
        <translation>
            <numerusform>libra de arroz</numerusform>
            <numerusform>libras de arroz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of corn meal</source>
        <translation>
            <numerusform>libra de harina de maíz</numerusform>
            <numerusform>libras de harina de maíz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of lard</source>
        <translation>
            <numerusform>libra de manteca de cerdo</numerusform>
            <numerusform>libras de manteca de cerdo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of oatmeal</source>
        <translation>
            <numerusform>libra de avena</numerusform>
            <numerusform>libras de avena</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of peanuts</source>
        <translation>
            <numerusform>libra de cacahuates</numerusform>
            <numerusform>libras de cacahuates</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of corn</source>
        <translation>
            <numerusform>libra de maíz</numerusform>
            <numerusform>libras de maíz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of hard tack</source>
        <translation>
            <numerusform>libra de galletas duras</numerusform>
            <numerusform>libras de galletas duras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of dried beef</source>
        <translation>
            <numerusform>libra de carne de res seca</numerusform>
            <numerusform>libras de carne de res seca</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of bacon</source>
        <translation>
            <numerusform>libra de tocino</numerusform>
            <numerusform>libras de tocino</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of salt pork</source>
        <translation>
            <numerusform>libra de carne de cerdo salada</numerusform>
            <numerusform>libras de carne de cerdo salada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of salt</source>
        <translation>
            <numerusform>libra de sal</numerusform>
            <numerusform>libras de sal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of butter</source>
        <translation>
            <numerusform>libra de mantequilla</numerusform>
            <numerusform>libras de mantequilla</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of dried fruit</source>
        <translation>
            <numerusform>libra de fruta deshidratada</numerusform>
            <numerusform>libras de fruta deshidratada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of dried vegetables</source>
        <translation>
            <numerusform>libra de verduras deshidratadas</numerusform>
            <numerusform>libras de verduras deshidratadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>jar of honey</source>
        <translation>
            <numerusform>frasco de miel</numerusform>
            <numerusform>frascos de miel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of bisquits</source>
        <translation>
            <numerusform>bolsa de galletas</numerusform>
            <numerusform>bolsas de galletas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of tea</source>
        <translation>
            <numerusform>libra de té</numerusform>
            <numerusform>libras de té</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of coffee</source>
        <translation>
            <numerusform>libra de café</numerusform>
            <numerusform>libras de café</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of rutabaga</source>
        <translation>
            <numerusform>libra de nabo sueco</numerusform>
            <numerusform>libras de nabo sueco</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of black beans</source>
        <translation>
            <numerusform>libra de frijoles negros</numerusform>
            <numerusform>libras de frijoles negros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>jar of fruit preserves</source>
        <translation>
            <numerusform>frasco de mermelada de frutas</numerusform>
            <numerusform>frascos de mermelada de frutas</numerusform>
        </translation>
    </message>
</context>
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

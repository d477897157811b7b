<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Chapters</name>
    <message>
        <source>first</source>
        <translation>primera</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segunda</translation>
    </message>
    <message>
        <source>third</source>
        <translation>tercera</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>cuarta</translation>
    </message>
    <message>
        <source>This is the end of the %1 part of your journey.  You can stop here: your journey is saved.  Next time, choose your party&apos;s name at the flea market to go on.</source>
        <translation>Aquí termina la %1 parte de tu viaje.  Puedes parar aquí: tu viaje está guardado.  La próxima vez, elige el nombre de tu grupo en el mercado de pulgas para seguir.</translation>
    </message>
    <message>
        <source>Open the journal (File menu, or Ctrl+J) to think over this part&apos;s questions together.</source>
        <translation>Abre el diario (menú Archivo, o Ctrl+J) para pensar juntos en las preguntas de esta parte.</translation>
    </message>
    <message>
        <source>The Autumn Hills</source>
        <translation>Las colinas de otoño</translation>
    </message>
    <message>
        <source>The First Snow</source>
        <translation>La primera nevada</translation>
    </message>
    <message>
        <source>The Frozen Rivers</source>
        <translation>Los ríos congelados</translation>
    </message>
    <message>
        <source>The Thaw</source>
        <translation>El deshielo</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>This name cannot be used: %1.  Please choose a shorter name.</source>
        <translation>No se puede usar este nombre: %1.  Elige un nombre más corto, por favor.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.  Do you want to replace it?</source>
        <translation>&quot;%1&quot; ya existe.  ¿Quieres reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>Fish</name>
    <message>
        <source> bluegill</source>
        <translation> de mojarra azul</translation>
    </message>
    <message>
        <source> white bass</source>
        <translation> de lubina blanca</translation>
    </message>
    <message>
        <source> smallmouth bass</source>
        <translation> de lobina de boca chica</translation>
    </message>
    <message>
        <source> blue catfish</source>
        <translation> de bagre azul</translation>
    </message>
    <message>
        <source> rainbow trout</source>
        <translation> de trucha arcoíris</translation>
    </message>
    <message>
        <source> brown trout</source>
        <translation> de trucha marrón</translation>
    </message>
    <message>
        <source> largemouth bass</source>
        <translation> de lobina negra</translation>
    </message>
    <message>
        <source> brook trout</source>
        <translation> de trucha de arroyo</translation>
    </message>
    <message>
        <source> brown bullhead</source>
        <translation> de bagre pardo</translation>
    </message>
</context>
<context>
    <name>FishingOuting</name>
    <message>
        <source>Click on the water to cast.  When the cursor changes, you are on a good spot.</source>
        <translation>Haz clic en el agua para lanzar.  Cuando el puntero cambie, estás en un buen lugar.</translation>
    </message>
    <message>
        <source>You missed it that time!  The fish took your bait -- cast again.</source>
        <translation>¡Esta vez se te escapó!  El pez se llevó tu cebo: lanza otra vez.</translation>
    </message>
    <message>
        <source>Now quickly click on the rod to reel in the fish!</source>
        <translation>¡Ahora haz clic rápido en la caña para sacar el pez!</translation>
    </message>
    <message>
        <source>A fish is biting!  Pull in the rod now.</source>
        <translation>¡Un pez está mordiendo!  Tira de la caña ahora.</translation>
    </message>
    <message>
        <source>You caught a fish!  %1%2.</source>
        <translation>¡Pescaste un pez!  %1%2.</translation>
    </message>
    <message>
        <source>Where the line will be cast</source>
        <translation>Dónde caerá el sedal</translation>
    </message>
</context>
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
            <numerusform>plato de corazón decorativo</numerusform>
            <numerusform>platos de corazón decorativos</numerusform>
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
            <numerusform>adorno de venado de cobre</numerusform>
            <numerusform>adornos de venado de cobre</numerusform>
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
    <name>Help</name>
    <message>
        <source>Kelvarin Help</source>
        <translation>Ayuda de Kelvarin</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>Back to the list of help pages.</source>
        <translation>Volver a la lista de páginas de ayuda.</translation>
    </message>
    <message>
        <source>%1 missing (&quot;%2&quot;).</source>
        <translation>%1 (&quot;%2&quot;).</translation>
    </message>
    <message>
        <source>The help pages are</source>
        <translation>Faltan las páginas de ayuda</translation>
    </message>
    <message>
        <source>This help page is</source>
        <translation>Falta esta página de ayuda</translation>
    </message>
</context>
<context>
    <name>Hunting</name>
    <message>
        <source>along the creek</source>
        <translation>junto al arroyo</translation>
    </message>
    <message>
        <source>deeper in the woods</source>
        <translation>más adentro del bosque</translation>
    </message>
    <message>
        <source>a deer</source>
        <translation>un venado</translation>
    </message>
    <message>
        <source>a wild turkey</source>
        <translation>un pavo salvaje</translation>
    </message>
    <message>
        <source>two rabbits</source>
        <translation>dos conejos</translation>
    </message>
    <message>
        <source>The hunters found only old tracks today.  There will be other woods.</source>
        <translation>Hoy los cazadores solo encontraron huellas viejas.  Habrá otros bosques.</translation>
    </message>
    <message>
        <source>The hunters come back with %1: %2 lb of meat.  They give thanks for it, as Verunai hunters always did.</source>
        <translation>Los cazadores vuelven con %1: %2 lb de carne.  Dan las gracias por ella, como siempre hicieron los cazadores Verunai.</translation>
    </message>
    <message>
        <source>Your party now has all the meat it can carry.</source>
        <translation>Ahora tu grupo tiene toda la carne que puede llevar.</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Every party&apos;s journey saved on this computer, the last saved first.</source>
        <translation>Los viajes de todos los grupos guardados en esta computadora, del último guardado al primero.</translation>
    </message>
    <message>
        <source>Journeys on this computer</source>
        <translation>Viajes en esta computadora</translation>
    </message>
    <message>
        <source>No journey is saved on this computer yet.</source>
        <translation>Todavía no hay ningún viaje guardado en esta computadora.</translation>
    </message>
    <message>
        <source>Export as &amp;PDF…</source>
        <translation>Exportar como &amp;PDF…</translation>
    </message>
    <message>
        <source>Export the list as a PDF file</source>
        <translation>Exportar la lista como archivo PDF</translation>
    </message>
    <message>
        <source>Export as &amp;CSV…</source>
        <translation>Exportar como &amp;CSV…</translation>
    </message>
    <message>
        <source>Export the list as a CSV file for a spreadsheet</source>
        <translation>Exportar la lista como archivo CSV para una hoja de cálculo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Cerrar la lista</translation>
    </message>
    <message>
        <source>This journey cannot be opened.  It is kept in &quot;%1&quot;.</source>
        <translation>Este viaje no se puede abrir.  Está guardado en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV Files for Spreadsheets (*.csv)</source>
        <translation>Archivos CSV para hojas de cálculo (*.csv)</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Town %1: %2</source>
        <translation>Pueblo %1: %2</translation>
    </message>
    <message>
        <source>Part One</source>
        <translation>Primera parte</translation>
    </message>
    <message>
        <source>Part Two</source>
        <translation>Segunda parte</translation>
    </message>
    <message>
        <source>Part Three</source>
        <translation>Tercera parte</translation>
    </message>
    <message>
        <source>Part Four</source>
        <translation>Cuarta parte</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Fish caught: %1.</source>
        <translation>Peces pescados: %1.</translation>
    </message>
    <message>
        <source>More fish caught: %1.</source>
        <translation>Más peces pescados: %1.</translation>
    </message>
    <message>
        <source>Thinking It Over</source>
        <translation>Para pensar</translation>
    </message>
    <message>
        <source>The End of Part One</source>
        <translation>Fin de la primera parte</translation>
    </message>
    <message>
        <source>The End of Part Two</source>
        <translation>Fin de la segunda parte</translation>
    </message>
    <message>
        <source>The End of Part Three</source>
        <translation>Fin de la tercera parte</translation>
    </message>
    <message>
        <source>The End of the Journey</source>
        <translation>Fin del viaje</translation>
    </message>
    <message>
        <source>(not answered yet)</source>
        <translation>(todavía sin respuesta)</translation>
    </message>
    <message>
        <source>Your party set out from %1.</source>
        <translation>Tu grupo salió de %1.</translation>
    </message>
    <message>
        <source>Your party reached %1.</source>
        <translation>Tu grupo llegó a %1.</translation>
    </message>
    <message>
        <source>Your party reached %1 and saw %2</source>
        <translation>Tu grupo llegó a %1 y vio %2</translation>
    </message>
    <message>
        <source>There your party met %1, %2.  She told her story:</source>
        <translation>Allí tu grupo conoció a %1, %2.  Ella contó su historia:</translation>
    </message>
    <message>
        <source>There your party met %1, %2.  He told his story:</source>
        <translation>Allí tu grupo conoció a %1, %2.  Él contó su historia:</translation>
    </message>
    <message>
        <source>Your party gave %1 %2 and received %3.</source>
        <translation>Tu grupo le dio a %1 %2 a cambio de %3.</translation>
    </message>
    <message>
        <source>Your party gave %1 and received %2.</source>
        <translation>Tu grupo dio %1 a cambio de %2.</translation>
    </message>
    <message>
        <source>On the road, %1 was bitten by a snake.  The treatment your party chose: %2</source>
        <translation>En el camino, a %1 le mordió una serpiente.  El tratamiento que eligió tu grupo: %2</translation>
    </message>
    <message>
        <source>Your party came to the end of the trail with a final score of %1.</source>
        <translation>Tu grupo llegó al final del camino con una puntuación final de %1.</translation>
    </message>
    <message>
        <source>Your party came to the end of the trail at %1 with a final score of %2.</source>
        <translation>Tu grupo llegó al final del camino en %1 con una puntuación final de %2.</translation>
    </message>
    <message>
        <source>The Journey&apos;s End</source>
        <translation>El final del viaje</translation>
    </message>
    <message>
        <source>On the Trail</source>
        <translation>En el Camino</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (continuación)</translation>
    </message>
    <message>
        <source>A journal of the journey along the Verunai trail</source>
        <translation>Un diario del viaje por el camino de los Verunai</translation>
    </message>
    <message>
        <source>The travellers</source>
        <translation>Los viajeros</translation>
    </message>
    <message>
        <source>The party&apos;s names were not written down.</source>
        <translation>No se anotaron los nombres del grupo.</translation>
    </message>
    <message numerus="yes">
        <source>Final score: %n points</source>
        <translation>
            <numerusform>Puntuación final: %n punto</numerusform>
            <numerusform>Puntuación final: %n puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score so far: %n points</source>
        <translation>
            <numerusform>Puntuación hasta ahora: %n punto</numerusform>
            <numerusform>Puntuación hasta ahora: %n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1  -  page %2 of %3</source>
        <translation>%1  -  página %2 de %3</translation>
    </message>
    <message>
        <source>The journal cannot be saved as &quot;%1&quot;: %2.  A file that was there before is as it was.</source>
        <translation>No se puede guardar el diario como &quot;%1&quot;: %2.  Si ya había un archivo allí, sigue como estaba.</translation>
    </message>
    <message>
        <source>Which spirit&apos;s story stayed with you most, and why?</source>
        <translation>¿Cuál de las historias de los espíritus se te quedó más grabada, y por qué?</translation>
    </message>
    <message>
        <source>In your own words, why were the Verunai families made to leave their homes?</source>
        <translation>Con tus propias palabras, ¿por qué obligaron a las familias Verunai a dejar sus hogares?</translation>
    </message>
    <message>
        <source>Some people helped the families, and many shut their doors.  Who helped, and what did they do?</source>
        <translation>Algunas personas ayudaron a las familias, y muchas les cerraron sus puertas.  ¿Quiénes ayudaron, y qué hicieron?</translation>
    </message>
    <message>
        <source>What did your party need most on this part of the trail, and who helped?</source>
        <translation>¿Qué necesitó más tu grupo en esta parte del camino, y quién ayudó?</translation>
    </message>
    <message>
        <source>How did the people in these stories keep their language, their songs and what they knew?</source>
        <translation>¿Cómo conservaron las personas de estas historias su idioma, sus canciones y lo que sabían?</translation>
    </message>
    <message>
        <source>The Verunai won in the highest court, but the President would not make the state obey.  What do you think of that?</source>
        <translation>Los Verunai ganaron en la corte más alta del país, pero el presidente no quiso obligar al estado a obedecer.  ¿Qué piensas de eso?</translation>
    </message>
    <message>
        <source>Which story from this part of the trail would you tell a friend, and why?</source>
        <translation>¿Qué historia de esta parte del camino le contarías a un amigo, y por qué?</translation>
    </message>
    <message>
        <source>How did the people in these stories stand up for themselves and for their ways?</source>
        <translation>¿Cómo se defendieron las personas de estas historias, y cómo defendieron sus costumbres?</translation>
    </message>
    <message>
        <source>Some people on this part of the trail helped, and some looked away.  What do you think made the difference?</source>
        <translation>En esta parte del camino, algunas personas ayudaron y otras miraron para otro lado.  ¿Qué crees que hizo la diferencia?</translation>
    </message>
    <message>
        <source>What did your party need most on the last part of the trail, and who helped?</source>
        <translation>¿Qué necesitó más tu grupo en la última parte del camino, y quién ayudó?</translation>
    </message>
    <message>
        <source>In the west the Verunai planted, held their council and opened schools again.  What did they bring with them from home?</source>
        <translation>En el oeste, los Verunai volvieron a sembrar, a reunir su consejo y a abrir escuelas.  ¿Qué llevaron consigo desde su hogar?</translation>
    </message>
    <message>
        <source>The Verunai are still here today, as nations with their own governments, schools and languages.  What would you like to learn about them?</source>
        <translation>Los Verunai siguen aquí hoy, como naciones con sus propios gobiernos, escuelas e idiomas.  ¿Qué te gustaría aprender sobre ellos?</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Diario</translation>
    </message>
    <message>
        <source>Journal page</source>
        <translation>Página del diario</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Print the journal</source>
        <translation>Imprimir el diario</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>Save the journal as a PDF file</source>
        <translation>Guardar el diario como archivo PDF</translation>
    </message>
    <message>
        <source>Close the journal</source>
        <translation>Cerrar el diario</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Your answer, in your own words.  Tab goes on to the next.</source>
        <translation>Tu respuesta, con tus propias palabras.  La tecla Tab pasa a la siguiente.</translation>
    </message>
    <message>
        <source>Write your answer here.</source>
        <translation>Escribe aquí tu respuesta.</translation>
    </message>
    <message>
        <source>Our Journey on the Trail</source>
        <translation>Nuestro viaje por el Camino</translation>
    </message>
    <message>
        <source>The travellers:
</source>
        <translation>Los viajeros:
</translation>
    </message>
    <message>
        <source>Nothing has been written in the journal yet.</source>
        <translation>Todavía no se ha escrito nada en el diario.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Kelvarin journal</source>
        <translation>Diario de Kelvarin</translation>
    </message>
    <message>
        <source>Print the Journal</source>
        <translation>Imprimir el diario</translation>
    </message>
    <message>
        <source>The journal cannot be printed: the printer did not start.  Check that it is switched on and try again.</source>
        <translation>No se puede imprimir el diario: la impresora no empezó a imprimir.  Revisa que esté encendida e inténtalo otra vez.</translation>
    </message>
    <message>
        <source>%1 was too weak to walk on, so your party rested a day in %2.</source>
        <translation>%1 estaba demasiado débil para seguir caminando, así que tu grupo descansó un día en %2.</translation>
    </message>
    <message>
        <source>On the road, %1 %2</source>
        <translation>En el camino, %1 %2</translation>
    </message>
    <message>
        <source>Your hunters went out %1 and found only old tracks.</source>
        <translation>Tus cazadores fueron a cazar %1 y solo encontraron huellas viejas.</translation>
    </message>
    <message>
        <source>Your hunters went out %1 and came back with %2.  They gave thanks for it.</source>
        <translation>Tus cazadores fueron a cazar %1 y volvieron con %2.  Dieron las gracias por ello.</translation>
    </message>
    <message>
        <source>Your party let %1 rest by the fire.</source>
        <translation>Tu grupo dejó que %1 descansara junto al fuego.</translation>
    </message>
    <message>
        <source>Your party gave %1 %2, and %1 was well again.</source>
        <translation>Tu grupo le dio a %1 %2, y %1 se recuperó.</translation>
    </message>
    <message>
        <source>the %1 that %2 gave</source>
        <translation>%1, regalo de %2</translation>
    </message>
    <message>
        <source>Your party ate %1.</source>
        <translation>Lo que comió tu grupo: %1.</translation>
    </message>
    <message>
        <source>%1 was well again after resting.</source>
        <translation>%1 se recuperó después de descansar.</translation>
    </message>
    <message>
        <source>%1 were well again after resting.</source>
        <translation>%1 se recuperaron después de descansar.</translation>
    </message>
    <message>
        <source>Your party was hungry and grew weaker.</source>
        <translation>Tu grupo pasó hambre y se debilitó.</translation>
    </message>
    <message>
        <source>nothing: the food has run out</source>
        <translation>nada, porque se acabó la comida</translation>
    </message>
    <message>
        <source>%1 lb of fish</source>
        <translation>%1 lb de pescado</translation>
    </message>
    <message>
        <source>%1 lb of meat</source>
        <translation>%1 lb de carne</translation>
    </message>
    <message>
        <source>%1, the last of the food</source>
        <translation>%1, lo último que quedaba de comida</translation>
    </message>
    <message>
        <source>The list of journeys cannot be saved as &quot;%1&quot;: %2.  A file that was there before is as it was.</source>
        <translation>No se puede guardar la lista de viajes como &quot;%1&quot;: %2.  Si ya había un archivo allí, sigue como estaba.</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Town number</source>
        <translation>Número de pueblo</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Pueblo</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Parte</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Stories heard</source>
        <translation>Historias escuchadas</translation>
    </message>
    <message>
        <source>Answers written</source>
        <translation>Respuestas escritas</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Dañado</translation>
    </message>
    <message>
        <source>Journeys on this Computer</source>
        <translation>Viajes en esta computadora</translation>
    </message>
    <message>
        <source>Printed on %1 at %2.</source>
        <translation>Impreso el %1 a las %2.</translation>
    </message>
    <message>
        <source>Kelvarin  -  page %1 of %2</source>
        <translation>Kelvarin  -  página %1 de %2</translation>
    </message>
    <message>
        <source>town %1</source>
        <translation>pueblo %1</translation>
    </message>
    <message>
        <source>%1, town %2</source>
        <translation>%1, pueblo %2</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>terminado</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>dañado</translation>
    </message>
    <message>
        <source>damaged: </source>
        <translation>dañado: </translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>no se pudo crear el PDF</translation>
    </message>
</context>
<context>
    <name>JourneyChooser</name>
    <message>
        <source>A journey without a name</source>
        <translation>Un viaje sin nombre</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>ayer</translation>
    </message>
    <message>
        <source>damaged: it cannot be opened</source>
        <translation>dañado: no se puede abrir</translation>
    </message>
    <message>
        <source>came to the end of the trail</source>
        <translation>llegó al final del camino</translation>
    </message>
    <message>
        <source>%1, town %2</source>
        <translation>%1, pueblo %2</translation>
    </message>
    <message>
        <source>the journey</source>
        <translation>el viaje</translation>
    </message>
    <message>
        <source>the journey of &quot;%1&quot;</source>
        <translation>el viaje de &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a journey that came to the end</source>
        <translation>un viaje que llegó al final</translation>
    </message>
    <message>
        <source>A new journey takes the place of %1 (%2) when your party reaches the next town, and that one cannot be gone on with again.  Start a new journey?</source>
        <translation>Un viaje nuevo ocupará el lugar de %1 (%2) cuando tu grupo llegue al siguiente pueblo, y ya no se podrá seguir con aquel.  ¿Empezar un viaje nuevo?</translation>
    </message>
    <message>
        <source>Start a New Journey</source>
        <translation>Empezar un viaje nuevo</translation>
    </message>
    <message>
        <source>Keep the Saved Journey</source>
        <translation>Conservar el viaje guardado</translation>
    </message>
    <message>
        <source>Remove the journey &quot;%1&quot; from this computer?  It cannot be brought back.</source>
        <translation>¿Quitar el viaje &quot;%1&quot; de esta computadora?  No se podrá recuperar.</translation>
    </message>
    <message>
        <source>Remove the Journey</source>
        <translation>Quitar el viaje</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Conservarlo</translation>
    </message>
    <message>
        <source>Whose journey is this?  Type your party&apos;s name: your names, or your table&apos;s.  Leave it empty for a journey without a name.</source>
        <translation>¿De quién es este viaje?  Escribe el nombre de tu grupo: sus nombres, o el de su mesa.  Déjalo vacío para un viaje sin nombre.</translation>
    </message>
    <message>
        <source>Whose journey is this?</source>
        <translation>¿De quién es este viaje?</translation>
    </message>
    <message>
        <source>Room 12, table 3</source>
        <translation>Salón 12, mesa 3</translation>
    </message>
    <message>
        <source>Start the Journey</source>
        <translation>Empezar el viaje</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Whose journey is this?  These journeys are saved on this computer.  Choose yours to go on with it, or start a new one.</source>
        <translation>¿De quién es este viaje?  Estos viajes están guardados en esta computadora.  Elige el tuyo para seguir con él, o empieza uno nuevo.</translation>
    </message>
    <message>
        <source>Journeys on this computer</source>
        <translation>Viajes en esta computadora</translation>
    </message>
    <message>
        <source>Go On with the Journey</source>
        <translation>Seguir con el viaje</translation>
    </message>
    <message>
        <source>Remove the Journey...</source>
        <translation>Quitar el viaje...</translation>
    </message>
    <message>
        <source>The journey could not be removed: %1 cannot be deleted.</source>
        <translation>No se pudo quitar el viaje: no se puede borrar %1.</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>La imagen &quot;%1&quot; está vacía.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large to show: it is %2 x %3 pixels, and the game shows pictures of at most %4 on a side.</source>
        <translation>La imagen &quot;%1&quot; es demasiado grande para mostrarla: mide %2 x %3 píxeles, y el juego muestra imágenes de %4 como máximo por lado.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged and cannot be shown (%2).</source>
        <translation>La imagen &quot;%1&quot; está dañada y no se puede mostrar (%2).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is missing from the game.</source>
        <translation>Falta en el juego la imagen &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged and cannot be shown.</source>
        <translation>La imagen &quot;%1&quot; está dañada y no se puede mostrar.</translation>
    </message>
    <message>
        <source>The Image Property is empty!</source>
        <translation>¡La propiedad Image está vacía!</translation>
    </message>
    <message>
        <source>The game cannot find the file &quot;%1&quot;.</source>
        <translation>El juego no encuentra el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>it took too long to load</source>
        <translation>tardó demasiado en cargarse</translation>
    </message>
    <message>
        <source>The game cannot play the file &quot;%1&quot;: %2</source>
        <translation>El juego no puede reproducir el archivo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not open, so it cannot be played.</source>
        <translation>El archivo &quot;%1&quot; no está abierto, así que no se puede reproducir.</translation>
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
<context>
    <name>Pause</name>
    <message>
        <source>Paused — press P to go on</source>
        <translation>En pausa — pulsa P para seguir</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>The Flea Market</source>
        <translation>El mercado de pulgas</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inventario</translation>
    </message>
    <message>
        <source>Flea Market Goods</source>
        <translation>Cosas del mercado</translation>
    </message>
    <message>
        <source>Trading Post Supplies</source>
        <translation>Provisiones del puesto</translation>
    </message>
    <message>
        <source>The Weyfarra Trail</source>
        <translation>El camino Weyfarra</translation>
    </message>
    <message>
        <source>from the old homeland, west</source>
        <translation>de la tierra natal, al oeste</translation>
    </message>
</context>
<context>
    <name>Reserves</name>
    <message>
        <source>meat in storage: %1 lb</source>
        <translation>carne guardada: %1 lb</translation>
    </message>
    <message>
        <source>fish in storage: %1 lb %2 oz</source>
        <translation>pescado guardado: %1 lb %2 oz</translation>
    </message>
    <message>
        <source>other food in storage: %1 lb</source>
        <translation>otra comida guardada: %1 lb</translation>
    </message>
    <message>
        <source>eaten on the trail so far: %1 lb</source>
        <translation>comido en el camino hasta ahora: %1 lb</translation>
    </message>
</context>
<context>
    <name>Saves</name>
    <message>
        <source>there is not enough room left on the disk</source>
        <translation>no queda suficiente espacio en el disco</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is too long for its folder (a name there has at most %2 bytes)</source>
        <translation>el nombre &quot;%1&quot; es demasiado largo para su carpeta (allí un nombre tiene como máximo %2 bytes)</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; with its folders is too long (the system takes at most %2 bytes)</source>
        <translation>el nombre &quot;%1&quot; con sus carpetas es demasiado largo (el sistema admite como máximo %2 bytes)</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>no se encuentra</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>is not a file the game can read (a device, a pipe or a socket)</source>
        <translation>no es un archivo que el juego pueda leer (un dispositivo, una tubería o un socket)</translation>
    </message>
    <message>
        <source>holds %1 bytes, far more than it can</source>
        <translation>tiene %1 bytes, muchísimo más de lo que puede tener</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>the town</source>
        <translation>el pueblo</translation>
    </message>
    <message>
        <source>the stage in the town</source>
        <translation>la etapa en el pueblo</translation>
    </message>
    <message>
        <source>the activity</source>
        <translation>la actividad</translation>
    </message>
    <message>
        <source>the stage of meeting the spirits</source>
        <translation>la etapa del encuentro con los espíritus</translation>
    </message>
    <message>
        <source>the visit to the trading post</source>
        <translation>la visita al puesto comercial</translation>
    </message>
    <message>
        <source>whether an instruction is shown</source>
        <translation>el dato de si se muestra una instrucción</translation>
    </message>
    <message>
        <source>whether the girl&apos;s advice was given</source>
        <translation>el dato de si la niña ya dio su consejo</translation>
    </message>
    <message>
        <source>whether the trapper&apos;s advice was given</source>
        <translation>el dato de si el trampero ya dio su consejo</translation>
    </message>
    <message>
        <source>the traveller bitten by the snake</source>
        <translation>el viajero al que mordió la serpiente</translation>
    </message>
    <message>
        <source>whether the party has snakeroot</source>
        <translation>el dato de si el grupo tiene serpentaria</translation>
    </message>
    <message>
        <source>whether the party has the talisman</source>
        <translation>el dato de si el grupo tiene el talismán</translation>
    </message>
    <message>
        <source>the round of trading</source>
        <translation>la ronda de trueques</translation>
    </message>
    <message>
        <source>the spirit&apos;s trifles</source>
        <translation>las baratijas del espíritu</translation>
    </message>
    <message>
        <source>the good offered in trade</source>
        <translation>el artículo ofrecido en el trueque</translation>
    </message>
    <message>
        <source>the thing offered in trade</source>
        <translation>lo que se ofrece en el trueque</translation>
    </message>
    <message>
        <source>the turn of the special offers</source>
        <translation>el turno de las ofertas especiales</translation>
    </message>
    <message>
        <source>the number of fish caught at this lake</source>
        <translation>el número de peces pescados en este lago</translation>
    </message>
    <message>
        <source>the fish&apos;s weight in pounds</source>
        <translation>el peso del pescado en libras</translation>
    </message>
    <message>
        <source>the ounces of the fish&apos;s weight</source>
        <translation>las onzas del peso del pescado</translation>
    </message>
    <message>
        <source>the meat&apos;s weight in pounds</source>
        <translation>el peso de la carne en libras</translation>
    </message>
    <message>
        <source>the score</source>
        <translation>la puntuación</translation>
    </message>
    <message>
        <source>the points for useful goods</source>
        <translation>los puntos por cosas útiles</translation>
    </message>
    <message>
        <source>the points for treating the snakebite</source>
        <translation>los puntos por curar la mordedura de serpiente</translation>
    </message>
    <message>
        <source>the travellers&apos; health</source>
        <translation>la salud de los viajeros</translation>
    </message>
    <message>
        <source>the health of traveller %1</source>
        <translation>la salud del viajero %1</translation>
    </message>
    <message>
        <source>the good fishing spot</source>
        <translation>el buen lugar para pescar</translation>
    </message>
    <message>
        <source>whether the fishing hints are off</source>
        <translation>el dato de si las pistas de pesca están apagadas</translation>
    </message>
    <message>
        <source>the instruction step</source>
        <translation>el paso de las instrucciones</translation>
    </message>
    <message>
        <source>whether the scene takes clicks</source>
        <translation>el dato de si la escena acepta clics</translation>
    </message>
    <message>
        <source>the look-around stage</source>
        <translation>la etapa de mirar alrededor</translation>
    </message>
    <message>
        <source>whether the town has fishing</source>
        <translation>el dato de si se puede pescar en el pueblo</translation>
    </message>
    <message>
        <source>whether the party is named</source>
        <translation>el dato de si el grupo tiene nombre</translation>
    </message>
    <message>
        <source>the spirits that have spoken</source>
        <translation>los espíritus que ya hablaron</translation>
    </message>
    <message>
        <source>the towns where supplies were advised</source>
        <translation>los pueblos donde se aconsejó comprar provisiones</translation>
    </message>
    <message>
        <source>the towns where the way on was told</source>
        <translation>los pueblos donde se explicó cómo seguir el camino</translation>
    </message>
    <message>
        <source>the travellers&apos; ailments</source>
        <translation>los malestares de los viajeros</translation>
    </message>
    <message>
        <source>the ailment of traveller %1</source>
        <translation>el malestar del viajero %1</translation>
    </message>
    <message>
        <source>the goods given as remedies</source>
        <translation>los artículos dados como remedio</translation>
    </message>
    <message>
        <source>the points for remedies given</source>
        <translation>los puntos por los remedios dados</translation>
    </message>
    <message>
        <source>the remedies given</source>
        <translation>los remedios dados</translation>
    </message>
    <message>
        <source>the days the party rested</source>
        <translation>los días que descansó el grupo</translation>
    </message>
    <message>
        <source>the towns the party reached hungry</source>
        <translation>los pueblos a los que el grupo llegó con hambre</translation>
    </message>
    <message>
        <source>whether the party is hungry</source>
        <translation>el dato de si el grupo tiene hambre</translation>
    </message>
    <message>
        <source>whether the food&apos;s running out was told</source>
        <translation>el dato de si se avisó que se acababa la comida</translation>
    </message>
    <message>
        <source>the towns where the party hunted</source>
        <translation>los pueblos donde cazó el grupo</translation>
    </message>
    <message>
        <source>the ailments met</source>
        <translation>los malestares que tuvo el grupo</translation>
    </message>
    <message>
        <source>the pounds of food eaten</source>
        <translation>las libras de comida que se comieron</translation>
    </message>
    <message>
        <source>the journal</source>
        <translation>el diario</translation>
    </message>
    <message>
        <source>line %1 of the journal</source>
        <translation>la línea %1 del diario</translation>
    </message>
    <message>
        <source>the goods owned</source>
        <translation>los artículos que tiene el grupo</translation>
    </message>
    <message>
        <source>the count of item %1</source>
        <translation>la cantidad del artículo %1</translation>
    </message>
    <message>
        <source>the trades done</source>
        <translation>los trueques hechos</translation>
    </message>
    <message>
        <source>trade flag %1</source>
        <translation>la marca de trueque %1</translation>
    </message>
    <message>
        <source>the money</source>
        <translation>el dinero</translation>
    </message>
    <message>
        <source>the catch list</source>
        <translation>la lista de pesca</translation>
    </message>
    <message>
        <source>line %1 of the catch list</source>
        <translation>la línea %1 de la lista de pesca</translation>
    </message>
    <message>
        <source>the party&apos;s names</source>
        <translation>los nombres del grupo</translation>
    </message>
    <message>
        <source>the name of traveller %1</source>
        <translation>el nombre del viajero %1</translation>
    </message>
    <message>
        <source>whose journey it is</source>
        <translation>el nombre del grupo dueño del viaje</translation>
    </message>
    <message>
        <source>a name of its own, without control characters or blanks around it</source>
        <translation>un nombre propio, sin caracteres de control ni espacios alrededor</translation>
    </message>
    <message>
        <source>the scene</source>
        <translation>la escena</translation>
    </message>
    <message>
        <source>a letter and three digits</source>
        <translation>una letra y tres cifras</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source> to </source>
        <translation> a </translation>
    </message>
    <message>
        <source>%1 is %2, where it can only be %3</source>
        <translation>%1 es %2, pero solo puede ser: %3</translation>
    </message>
    <message>
        <source>%1 is %2 characters long, where it can have at most %3</source>
        <translation>%1 tiene %2 caracteres, pero puede tener como máximo %3</translation>
    </message>
    <message>
        <source>at most %1</source>
        <translation>como máximo %1</translation>
    </message>
    <message>
        <source>there are %1 entries in %2, where %3 belong</source>
        <translation>hay %1 entradas en %2, pero deberían ser %3</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;, where it is %3</source>
        <translation>%1 es &quot;%2&quot;, pero debe ser %3</translation>
    </message>
    <message>
        <source>it says the spirit of town %1 has spoken, where that town has no spirit</source>
        <translation>dice que el espíritu del pueblo %1 ya habló, pero ese pueblo no tiene espíritu</translation>
    </message>
    <message>
        <source>it says the spirit of town %1 has spoken, where the party is only in town %2</source>
        <translation>dice que el espíritu del pueblo %1 ya habló, pero el grupo solo está en el pueblo %2</translation>
    </message>
    <message>
        <source>it has the party %1 in town %2, where %3</source>
        <translation>pone al grupo %1 en el pueblo %2, aunque allí %3</translation>
    </message>
    <message>
        <source>unable to fish</source>
        <translation>sin poder pescar</translation>
    </message>
    <message>
        <source>fishing</source>
        <translation>pescando</translation>
    </message>
    <message>
        <source>there is a lake</source>
        <translation>hay un lago</translation>
    </message>
    <message>
        <source>there is no lake</source>
        <translation>no hay lago</translation>
    </message>
    <message>
        <source>the spirit&apos;s trifles are those of set %1, where town %2 has set %3</source>
        <translation>las baratijas del espíritu son las del conjunto %1, pero el pueblo %2 tiene el conjunto %3</translation>
    </message>
    <message>
        <source>the stage of meeting the spirits is %1, where in town %2 it is %3</source>
        <translation>la etapa del encuentro con los espíritus es %1, pero en el pueblo %2 es %3</translation>
    </message>
    <message>
        <source>it has traveller %1 ailing in good condition</source>
        <translation>tiene al viajero %1 con un malestar, pero en buen estado</translation>
    </message>
    <message>
        <source>it has %1 travellers ailing at once, where at most %2 can be</source>
        <translation>tiene %1 viajeros con malestares a la vez, pero como máximo puede haber %2</translation>
    </message>
    <message>
        <source>it holds only one of the score&apos;s two parts</source>
        <translation>solo contiene una de las dos partes de la puntuación</translation>
    </message>
    <message>
        <source>it gives %1 points for useful goods, where the trades done give at most %2, in fives</source>
        <translation>da %1 puntos por cosas útiles, pero los trueques hechos dan como máximo %2, de cinco en cinco</translation>
    </message>
    <message>
        <source>the score is %1, where its parts make %2</source>
        <translation>la puntuación es %1, pero sus partes suman %2</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un número entero</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texto</translation>
    </message>
    <message>
        <source>a list of texts</source>
        <translation>una lista de textos</translation>
    </message>
    <message>
        <source>a list of whole numbers</source>
        <translation>una lista de números enteros</translation>
    </message>
    <message>
        <source>something of kind %1</source>
        <translation>algo de tipo %1</translation>
    </message>
    <message>
        <source>it does not hold %1</source>
        <translation>no contiene %1</translation>
    </message>
    <message>
        <source>it holds %1 as %2, where %3 belongs</source>
        <translation>contiene %1 como %2, pero debería ser %3</translation>
    </message>
    <message>
        <source>its entry %1 is not in the form of one</source>
        <translation>su entrada %1 no tiene la forma de una entrada</translation>
    </message>
    <message>
        <source>it holds the field &quot;%1&quot; twice</source>
        <translation>contiene dos veces el campo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>its field &quot;%1&quot; is not in the form of %2</source>
        <translation>su campo &quot;%1&quot; no tiene la forma de %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>it is not a Kelvarin journey (it does not begin with the mark of one)</source>
        <translation>no es un viaje de Kelvarin (no empieza con la marca de un viaje)</translation>
    </message>
    <message>
        <source>it ends after %1 bytes, before the journey in it begins: it was cut short</source>
        <translation>termina después de %1 bytes, antes de que empiece el viaje que contiene: quedó incompleto</translation>
    </message>
    <message>
        <source>it holds %1 bytes, where the journey in it needs %2: it was cut short or is damaged</source>
        <translation>tiene %1 bytes, pero el viaje que contiene necesita %2: quedó incompleto o está dañado</translation>
    </message>
    <message>
        <source>it holds %1 bytes, more than the %2 of the journey in it: something was added to it or it is damaged</source>
        <translation>tiene %1 bytes, más que los %2 del viaje que contiene: se le agregó algo o está dañado</translation>
    </message>
    <message>
        <source>it is damaged (its checksum does not match what it holds)</source>
        <translation>está dañado (su suma de comprobación no coincide con lo que contiene)</translation>
    </message>
    <message>
        <source>it was saved by a newer Kelvarin (journey format %1), which this Kelvarin (journey format %2.%3) cannot read</source>
        <translation>se guardó con un Kelvarin más nuevo (formato de viaje %1), que este Kelvarin (formato de viaje %2.%3) no puede leer</translation>
    </message>
    <message>
        <source>its journey format %1 is not one Kelvarin has written</source>
        <translation>su formato de viaje %1 no es uno que Kelvarin haya escrito</translation>
    </message>
    <message>
        <source>there is no journey saved automatically</source>
        <translation>no hay ningún viaje guardado automáticamente</translation>
    </message>
    <message>
        <source>yyyy-MM-dd-hhmmss</source>
        <translation>yyyy-MM-dd-hhmmss</translation>
    </message>
    <message>
        <source>  Nothing in the game was changed.</source>
        <translation>  No se cambió nada en el juego.</translation>
    </message>
    <message>
        <source>  It could not be moved aside (%1), so no journey will be saved automatically in its place.</source>
        <translation>  No se pudo apartar (%1), así que no se guardará automáticamente ningún viaje en su lugar.</translation>
    </message>
    <message>
        <source>  It is kept as &quot;%1&quot;, where the journeys saved automatically from now on do not replace it.</source>
        <translation>  Se conserva como &quot;%1&quot;, donde los viajes que se guarden automáticamente desde ahora no lo reemplazarán.</translation>
    </message>
    <message>
        <source>The journey saved automatically is kept as &quot;%1&quot;, where the journeys saved automatically from now on do not replace it.</source>
        <translation>El viaje guardado automáticamente se conserva como &quot;%1&quot;, donde los viajes que se guarden automáticamente desde ahora no lo reemplazarán.</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>la carpeta &quot;%1&quot; no existe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder</source>
        <translation>&quot;%1&quot; es una carpeta</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written (%2)</source>
        <translation>no se puede escribir &quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be put in place (%2)</source>
        <translation>no se puede poner &quot;%1&quot; en su lugar (%2)</translation>
    </message>
    <message>
        <source>it would take %1 bytes, more than a journey can</source>
        <translation>ocuparía %1 bytes, más de lo que puede ocupar un viaje</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not a file the game can read (a device, a pipe or a socket)</source>
        <translation>no es un archivo que el juego pueda leer (un dispositivo, una tubería o un socket)</translation>
    </message>
    <message>
        <source>the file holds %1 bytes, far more than any journey&apos;s can</source>
        <translation>el archivo tiene %1 bytes, muchísimo más de lo que puede tener cualquier viaje</translation>
    </message>
    <message>
        <source>the file </source>
        <translation>el archivo </translation>
    </message>
    <message>
        <source>.  Nothing in the game was changed.</source>
        <translation>.  No se cambió nada en el juego.</translation>
    </message>
    <message>
        <source>there is no folder for the game&apos;s own files in your data home, and none can be made</source>
        <translation>no hay una carpeta para los archivos del juego en tu carpeta de datos, y no se puede crear ninguna</translation>
    </message>
    <message>
        <source>The journey could not be saved: %1.  A journey saved earlier under this name is unchanged.</source>
        <translation>No se pudo guardar el viaje: %1.  Un viaje guardado antes con este nombre sigue igual.</translation>
    </message>
    <message>
        <source>The journey &quot;%1&quot; cannot be opened: </source>
        <translation>No se puede abrir el viaje &quot;%1&quot;: </translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; for the parties&apos; journeys cannot be made</source>
        <translation>no se puede crear la carpeta &quot;%1&quot; para los viajes de los grupos</translation>
    </message>
    <message>
        <source>the journey saved there before cannot be opened, and it cannot be moved aside</source>
        <translation>el viaje que estaba guardado allí no se puede abrir, y no se puede apartar</translation>
    </message>
    <message>
        <source>The journey could not be saved automatically: %1.  The journey saved automatically before is unchanged.</source>
        <translation>No se pudo guardar el viaje automáticamente: %1.  El viaje que se había guardado automáticamente antes sigue igual.</translation>
    </message>
    <message>
        <source>The journey saved automatically cannot be opened: %1.  Nothing in the game was changed.</source>
        <translation>No se puede abrir el viaje guardado automáticamente: %1.  No se cambió nada en el juego.</translation>
    </message>
    <message>
        <source>The journey saved automatically (&quot;%1&quot;) cannot be opened: </source>
        <translation>No se puede abrir el viaje guardado automáticamente (&quot;%1&quot;): </translation>
    </message>
    <message>
        <source>its journal cannot be read (%1)</source>
        <translation>no se puede leer su diario (%1)</translation>
    </message>
    <message>
        <source>it holds %1 bytes, where a saved game holds %2</source>
        <translation>tiene %1 bytes, pero un juego guardado tiene %2</translation>
    </message>
    <message>
        <source>trade flag %1 holds %2, where only 0 or 1 can be</source>
        <translation>la marca de trueque %1 es %2, pero solo puede ser 0 o 1</translation>
    </message>
    <message>
        <source>its money is negative (%1)</source>
        <translation>su dinero es negativo (%1)</translation>
    </message>
    <message>
        <source>it holds more money than the game can hold (%1)</source>
        <translation>tiene más dinero del que el juego puede guardar (%1)</translation>
    </message>
    <message>
        <source>The game could not be saved: %1.  A game saved earlier under this name is unchanged.</source>
        <translation>No se pudo guardar el juego: %1.  Un juego guardado antes con este nombre sigue igual.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be replaced</source>
        <translation>no se puede reemplazar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be put in place</source>
        <translation>no se puede poner &quot;%1&quot; en su lugar</translation>
    </message>
    <message>
        <source> (the game also writes a file of that name followed by &quot;~12&quot;)</source>
        <translation> (el juego también escribe un archivo con ese nombre seguido de &quot;~12&quot;)</translation>
    </message>
    <message>
        <source>The game was only partly saved: %1, and the earlier files could not all be put back.  Please save the game again under another name.</source>
        <translation>El juego solo se guardó en parte: %1, y no se pudieron devolver a su lugar todos los archivos anteriores.  Guarda el juego otra vez con otro nombre, por favor.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be opened: %2.  Nothing in the game was changed.</source>
        <translation>No se puede abrir el juego guardado &quot;%1&quot;: %2.  No se cambió nada en el juego.</translation>
    </message>
    <message>
        <source>holds %1 bytes, far more than a saved game&apos;s can</source>
        <translation>tiene %1 bytes, muchísimo más de lo que puede tener un juego guardado</translation>
    </message>
    <message>
        <source>its catch list &quot;%1&quot; %2</source>
        <translation>su lista de pesca &quot;%1&quot; %2</translation>
    </message>
    <message>
        <source>its catch list &quot;%1&quot; holds %2 lines, where a catch list has at most %3</source>
        <translation>su lista de pesca &quot;%1&quot; tiene %2 líneas, pero una lista de pesca tiene como máximo %3</translation>
    </message>
    <message>
        <source>line %1 of its catch list &quot;%2&quot; is %3 characters long, where a line of the catch list has at most %4</source>
        <translation>la línea %1 de su lista de pesca &quot;%2&quot; tiene %3 caracteres, pero una línea de la lista de pesca tiene como máximo %4</translation>
    </message>
    <message>
        <source>its file of party names &quot;%1&quot; %2</source>
        <translation>su archivo de nombres del grupo &quot;%1&quot; %2</translation>
    </message>
    <message>
        <source>its file of party names &quot;%1&quot; holds %2 lines, where the %3 names belong</source>
        <translation>su archivo de nombres del grupo &quot;%1&quot; tiene %2 líneas, pero debería tener los %3 nombres</translation>
    </message>
    <message>
        <source>the name of traveller %1 is %2 characters long, where a traveller&apos;s name has at most %3</source>
        <translation>el nombre del viajero %1 tiene %2 caracteres, pero el nombre de un viajero tiene como máximo %3</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be opened: it places the party in scene %2, which the market does not have.  Nothing in the game was changed.</source>
        <translation>No se puede abrir el juego guardado &quot;%1&quot;: pone al grupo en la escena %2, que el mercado no tiene.  No se cambió nada en el juego.</translation>
    </message>
    <message>
        <source>The journey cannot be opened: %1.  The trail starts from its first town.%2</source>
        <translation>No se puede abrir el viaje: %1.  El camino empieza en su primer pueblo.%2</translation>
    </message>
    <message>
        <source>%1 for &quot;%2&quot;</source>
        <translation>%1 para &quot;%2&quot;</translation>
    </message>
    <message>
        <source>answers for part %1, which the trail does not have</source>
        <translation>responde a las preguntas de la parte %1, que el camino no tiene</translation>
    </message>
    <message>
        <source>answers for part %1 before it ended</source>
        <translation>responde a las preguntas de la parte %1 antes de que esa parte terminara</translation>
    </message>
    <message>
        <source>answers question %1 of part %2, which it does not ask</source>
        <translation>responde a la pregunta %1 de la parte %2, que esa parte no hace</translation>
    </message>
    <message>
        <source>holds an answer longer than %1 characters</source>
        <translation>contiene una respuesta de más de %1 caracteres</translation>
    </message>
    <message>
        <source>comes after the journey&apos;s end</source>
        <translation>viene después del final del viaje</translation>
    </message>
    <message>
        <source>names town %1, which is not on the trail</source>
        <translation>nombra el pueblo %1, que no está en el camino</translation>
    </message>
    <message>
        <source>reaches town %1 a second time</source>
        <translation>llega al pueblo %1 por segunda vez</translation>
    </message>
    <message>
        <source>meets the spirit of town %1 before the party reached it</source>
        <translation>encuentra al espíritu del pueblo %1 antes de que el grupo llegara allí</translation>
    </message>
    <message>
        <source>meets a spirit in town %1, which has none</source>
        <translation>encuentra a un espíritu en el pueblo %1, que no tiene espíritu</translation>
    </message>
    <message>
        <source>meets the spirit of town %1 a second time</source>
        <translation>encuentra al espíritu del pueblo %1 por segunda vez</translation>
    </message>
    <message>
        <source>trades in town %1 before the party reached it</source>
        <translation>hace un trueque en el pueblo %1 antes de que el grupo llegara allí</translation>
    </message>
    <message>
        <source>leaves out what was traded</source>
        <translation>no dice qué se intercambió en el trueque</translation>
    </message>
    <message>
        <source>leaves out who was bitten or the treatment</source>
        <translation>no dice a quién mordió la serpiente o cuál fue el tratamiento</translation>
    </message>
    <message>
        <source>is a second snakebite in one town</source>
        <translation>es una segunda mordedura de serpiente en un mismo pueblo</translation>
    </message>
    <message>
        <source>leaves out the fish</source>
        <translation>no dice qué pez se pescó</translation>
    </message>
    <message>
        <source>is an empty note</source>
        <translation>es una nota vacía</translation>
    </message>
    <message>
        <source>gives a score below zero</source>
        <translation>da una puntuación menor que cero</translation>
    </message>
    <message>
        <source>ends part %1, where only parts 1 to %2 end before the journey&apos;s end</source>
        <translation>termina la parte %1, pero solo las partes de la 1 a la %2 terminan antes del final del viaje</translation>
    </message>
    <message>
        <source>ends part %1 a second time</source>
        <translation>termina la parte %1 por segunda vez</translation>
    </message>
    <message>
        <source>ends part %1 before the party reached town %2</source>
        <translation>termina la parte %1 antes de que el grupo llegara al pueblo %2</translation>
    </message>
    <message>
        <source>The journal cannot be read: %1.  Nothing in the game was changed.</source>
        <translation>No se puede leer el diario del viaje: %1.  No se cambió nada en el juego.</translation>
    </message>
    <message>
        <source>its first line is not &quot;%1 %2&quot;</source>
        <translation>su primera línea no es &quot;%1 %2&quot;</translation>
    </message>
    <message>
        <source>it was written by a newer Kelvarin (journal version %1)</source>
        <translation>se escribió con un Kelvarin más nuevo (versión %1 del diario)</translation>
    </message>
    <message>
        <source>its version %1 is not one the game knows</source>
        <translation>su versión %1 no es una que el juego conozca</translation>
    </message>
    <message>
        <source>is not an entry of the journal</source>
        <translation>no es una entrada del diario</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;, which a journal of version %2 does not have</source>
        <translation>contiene &quot;%1&quot;, que no existe en un diario de la versión %2</translation>
    </message>
    <message>
        <source>has %1 parts where a &quot;%2&quot; entry has %3</source>
        <translation>tiene %1 partes, pero una entrada &quot;%2&quot; tiene %3</translation>
    </message>
    <message>
        <source>has &quot;%1&quot; where a number belongs</source>
        <translation>tiene &quot;%1&quot; donde debería haber un número</translation>
    </message>
    <message>
        <source>has an answer with a backslash or a control character the journal does not write</source>
        <translation>tiene una respuesta con una barra invertida o un carácter de control que el diario no escribe</translation>
    </message>
    <message>
        <source>has an answer that is empty or has blanks or control characters around its words</source>
        <translation>tiene una respuesta vacía o con espacios o caracteres de control alrededor de sus palabras</translation>
    </message>
    <message>
        <source>answers question %1 of part %2 a second time</source>
        <translation>responde por segunda vez a la pregunta %1 de la parte %2</translation>
    </message>
    <message>
        <source>comes after the answers, where only answers belong</source>
        <translation>viene después de las respuestas, donde solo debería haber respuestas</translation>
    </message>
    <message>
        <source>calls the good &quot;%1&quot;, neither useful nor a trifle</source>
        <translation>llama &quot;%1&quot; al artículo en vez de útil o baratija</translation>
    </message>
    <message>
        <source>has blanks or control characters around its words</source>
        <translation>tiene espacios o caracteres de control alrededor de sus palabras</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>la línea %1 %2</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>We have three stories that will help you.</source>
        <translation>Tenemos tres historias que los ayudarán.</translation>
    </message>
    <message>
        <source>Would you like to hear another story?</source>
        <translation>¿Les gustaría escuchar otra historia?</translation>
    </message>
    <message>
        <source>In this book I write the words of my people.  Our language was first written when one of our own made a sign for every sound we speak, and soon nearly all of us could read and write it.</source>
        <translation>En este libro escribo las palabras de mi pueblo.  Nuestro idioma se escribió por primera vez cuando uno de los nuestros creó un signo para cada sonido que pronunciamos, y pronto casi todos podíamos leerlo y escribirlo.</translation>
    </message>
    <message>
        <source>Before a long journey, my mother rubbed my feet in the ashes of our fire, and we sang about the fox and the deer, whose feet are never frostbitten.  I sang that song on every cold morning of our walk.</source>
        <translation>Antes de un largo viaje, mi madre me frotó los pies en las cenizas de nuestro fuego, y cantamos sobre el zorro y el venado, cuyas patas nunca se congelan.  Canté esa canción todas las mañanas frías de nuestra caminata.</translation>
    </message>
    <message>
        <source>Long ago I found a young Verunai man lying hurt beside the trail.  I carried him to the spring below my cabin, and I cared for him until he was strong again.  From that day on, we were like brothers.</source>
        <translation>Hace mucho tiempo encontré a un joven Verunai tendido y herido junto al camino.  Lo llevé al manantial que estaba más abajo de mi cabaña, y lo cuidé hasta que recobró sus fuerzas.  Desde ese día, fuimos como hermanos.</translation>
    </message>
    <message>
        <source>The soldiers held the families in a camp in the field below my farm.  They had been taken from their houses with only what they could carry.  Children burned their hands on the hot pots as they tried to get warm, so I cut leaves from my aloe plant and spread the cool juice on their burns.  Some of my neighbours bought the families&apos; cows for almost nothing.  Most of them just shut their doors.</source>
        <translation>Los soldados retenían a las familias en un campamento, en el terreno que quedaba más abajo de mi granja.  Las habían sacado de sus casas solo con lo que podían cargar.  Los niños se quemaban las manos con las ollas calientes al tratar de calentarse, así que corté hojas de mi planta de sábila y les unté el jugo fresco en las quemaduras.  Algunos de mis vecinos compraron las vacas de las familias casi por nada.  La mayoría de ellos simplemente cerraron sus puertas.</translation>
    </message>
    <message>
        <source>Forty years I kept the ferry on this river.  When the soldiers brought the families here, the big ferry men saw a chance to get rich.  They charged a high price for every wagon and made the people wait for days in the cold rain.  I carried mothers and little ones across for nothing.  My wife met them at the landing with hot ginger tea to stop their shivering.</source>
        <translation>Durante cuarenta años atendí la barca de este río.  Cuando los soldados trajeron aquí a las familias, los dueños de las barcas grandes vieron una oportunidad de hacerse ricos.  Cobraban un precio alto por cada carreta y hacían esperar a la gente durante días bajo la lluvia fría.  Yo pasé a madres y pequeños al otro lado sin cobrarles nada.  Mi esposa los recibía en el embarcadero con té caliente de jengibre para que dejaran de temblar.</translation>
    </message>
    <message>
        <source>Look at this little deer that I carved from a deer&apos;s horn, with its strong, quick legs.  I made it in the camp, where the soldiers kept us behind a fence of logs.  Men had found gold in our hills, and the state wanted our land for its farms, so the soldiers shut us in to wait for the march.  I gave a carved deer to every frightened child, and told them that the deer still runs free in our old hills.</source>
        <translation>Miren este venadito que tallé en un cuerno de venado, con sus patas fuertes y veloces.  Lo hice en el campamento, donde los soldados nos tenían detrás de una cerca de troncos.  Unos hombres habían encontrado oro en nuestras colinas, y el estado quería nuestra tierra para sus granjas, así que los soldados nos encerraron a esperar la marcha.  A cada niño asustado le di un venado tallado, y les dije que el venado todavía corre libre por nuestras viejas colinas.</translation>
    </message>
    <message>
        <source>&quot;Tali, my feet hurt,&quot; my little sister said.  &quot;Then climb on my back,&quot; I told her.  The soldiers had come to our door at supper time, and we left with our shoes half tied.  I carried her on my back from the red clay banks all the way to the big river.  On frosty mornings, Grandmother sprinkled cayenne pepper in our moccasins, and it stung a little, but it kept our toes warm.</source>
        <translation>&quot;Tali, me duelen los pies&quot;, dijo mi hermanita.  &quot;Entonces súbete a mi espalda&quot;, le dije.  Los soldados habían llegado a nuestra puerta a la hora de la cena, y salimos con los zapatos a medio atar.  La cargué en la espalda desde las orillas de arcilla roja hasta el gran río.  En las mañanas de helada, la abuela espolvoreaba pimienta de cayena en nuestros mocasines, y picaba un poco, pero nos mantenía calientes los dedos de los pies.</translation>
    </message>
    <message>
        <source>My orders said that a law had been passed, and every Verunai family must go west, so we went from house to house with our guns.  At one door an old man held out his bear-hunting spear and said nothing, and I could not forget his face.  I carried that spear all the way west and put it back in his hands.  He smiled and said, &quot;Give it to the children who remember.&quot;  Here, it is yours now.</source>
        <translation>Mis órdenes decían que se había aprobado una ley y que toda familia Verunai debía irse al oeste, así que fuimos de casa en casa con nuestras armas.  En una puerta, un anciano extendió su lanza para cazar osos sin decir nada, y no pude olvidar su cara.  Llevé esa lanza durante todo el camino al oeste y se la volví a poner en las manos.  Él sonrió y dijo: &quot;Dásela a los niños que recuerdan&quot;.  Tengan, ahora es de ustedes.</translation>
    </message>
    <message>
        <source>Do you know the first song you ever heard?  My baby was born in the camp, far from our home, in the month the leaves fell.  When she grew hot with fever, I boiled willow bark and gave her the bitter tea, drop by drop.  I sang to her in our own language, so that the first words she heard would be ours, and she grew up to sing them to her own children.</source>
        <translation>¿Saben cuál fue la primera canción que escucharon en su vida?  Mi bebé nació en el campamento, lejos de nuestro hogar, en el mes en que caían las hojas.  Cuando se puso caliente por la fiebre, herví corteza de sauce y le di el té amargo, gota a gota.  Le canté en nuestro propio idioma, para que las primeras palabras que oyera fueran nuestras, y ella creció y se las cantó a sus propios hijos.</translation>
    </message>
    <message>
        <source>I was the doctor sent with one group.  The cold rain fell for days, and so many people fell sick with coughs and fevers.  I wrote to the army and asked for more wagons and blankets for the sick.  The answer was no: the march must keep moving.  So each evening I gathered boneset along the creeks and brewed it in every camp.  It was never enough.</source>
        <translation>Yo era el médico enviado con uno de los grupos.  La lluvia fría cayó durante días, y muchísimas personas se enfermaron de tos y fiebre.  Le escribí al ejército para pedir más carretas y mantas para los enfermos.  La respuesta fue no: la marcha tenía que seguir avanzando.  Así que cada anochecer recogía eupatorio a la orilla de los arroyos y preparaba té con él en cada campamento.  Nunca era suficiente.</translation>
    </message>
    <message>
        <source>&quot;Grandmother, why must we go?&quot; my granddaughter asked when the first snow came, and I told her the truth.  &quot;People far away wanted our land.  They made a law to send us west, and they sent soldiers to make us go.&quot;  That night the little ones coughed in the bitter cold, so I made lobelia ointment with bear fat and rubbed it on their chests.  My grandmother taught me that, and now my granddaughter knows it too.</source>
        <translation>&quot;Abuela, ¿por qué tenemos que irnos?&quot;, me preguntó mi nieta cuando cayó la primera nevada, y le dije la verdad.  &quot;Gente de lugares lejanos quería nuestra tierra.  Hicieron una ley para mandarnos al oeste, y mandaron soldados para obligarnos a irnos&quot;.  Esa noche los pequeños tosían por el frío intenso, así que preparé un ungüento de lobelia con grasa de oso y se lo unté en el pecho.  Mi abuela me enseñó eso, y ahora mi nieta también lo sabe.</translation>
    </message>
    <message>
        <source>My friend, another minister, was sent to prison for living among the Verunai.  His case went to the highest court in the land, and the judges said the state had no right to rule the Verunai or take their land.  We had won!  But the President would not make the state obey.  So I chose to walk west with the people.  Many could not sleep for grief, and each night I brewed lemon balm tea from the leaves in my pack.</source>
        <translation>Mi amigo, otro pastor, fue enviado a prisión por vivir entre los Verunai.  Su caso llegó a la corte más alta del país, y los jueces dijeron que el estado no tenía derecho a gobernar a los Verunai ni a quitarles su tierra.  ¡Habíamos ganado!  Pero el presidente no quiso obligar al estado a obedecer.  Así que decidí caminar hacia el oeste con el pueblo.  Muchos no podían dormir de tristeza, y cada noche yo preparaba té de toronjil con las hojas que llevaba en mi morral.</translation>
    </message>
    <message>
        <source>This basket is dyed red with blood root.  My mother wove it, and she used the same root for sore throats.  We waited beside this frozen river for many weeks, because the ice was too thin to cross and too thick for the boats.  I kept thinking of our farm, which the state had given away in a lottery, so strangers slept in our house.  This basket held all we had left of home.</source>
        <translation>Esta canasta está teñida de rojo con raíz de sanguinaria.  Mi madre la tejió, y usaba esa misma raíz para el dolor de garganta.  Esperamos junto a este río congelado durante muchas semanas, porque el hielo era demasiado delgado para cruzarlo y demasiado grueso para las barcas.  No dejaba de pensar en nuestra granja, que el estado había regalado en un sorteo, así que unos desconocidos dormían en nuestra casa.  Esta canasta guardaba todo lo que nos quedaba de nuestro hogar.</translation>
    </message>
    <message>
        <source>When the families camped beside our farm in the snow, the store in town sold them flour at three times its price.  Father said we had little to spare.  Mother said, &quot;Then we will share the little.&quot;  The children were sick from spoiled food, so we boiled blackberry leaves that we had dried in summer and carried the tea out in buckets.  I was thirteen years old, and I never forgot their thanks.</source>
        <translation>Cuando las familias acamparon en la nieve junto a nuestra granja, la tienda del pueblo les vendía la harina al triple de su precio.  Papá dijo que nos sobraba poco.  Mamá dijo: &quot;Entonces compartiremos ese poco&quot;.  Los niños estaban enfermos por la comida echada a perder, así que hervimos hojas de zarzamora que habíamos secado en el verano y les llevamos el té en baldes.  Yo tenía trece años, y nunca olvidé su agradecimiento.</translation>
    </message>
    <message>
        <source>When the soldiers had gathered us into camps, our Principal Chief asked that our own people lead the march west, and not the army.  I led one group of a thousand.  In the winter camp the water was bad, and many grew sick.  We boiled cranesbill root and gave the tea to everyone who was ill.  Each morning I counted every person in my group.  I remember every name.</source>
        <translation>Cuando los soldados ya nos habían reunido en campamentos, nuestro Jefe Principal pidió que nuestra propia gente guiara la marcha hacia el oeste, y no el ejército.  Yo guié un grupo de mil personas.  En el campamento de invierno el agua estaba mala, y muchos se enfermaron.  Hervimos raíz de geranio silvestre y les dimos el té a todos los que estaban enfermos.  Cada mañana contaba a todas las personas de mi grupo.  Recuerdo cada nombre.</translation>
    </message>
    <message>
        <source>The government paid men like me to drive wagons for the sick and the old, and some of those men got rich on it.  I took the job for the money, I will not lie.  The wheels broke on the frozen ruts, and the people&apos;s hands cracked in the cold.  I used spruce pitch from the trees to mend the wagon and to seal their cuts, but the money was poor comfort for what I saw.</source>
        <translation>El gobierno les pagaba a hombres como yo para conducir las carretas de los enfermos y los ancianos, y algunos de esos hombres se hicieron ricos con eso.  Acepté el trabajo por el dinero, no voy a mentir.  Las ruedas se rompían en los surcos helados del camino, y a la gente se le agrietaban las manos por el frío.  Usé resina de abeto de los árboles para reparar la carreta y para sellarles los cortes, pero el dinero fue poco consuelo ante lo que vi.</translation>
    </message>
    <message>
        <source>My brother did not walk this trail.  When the soldiers came, he took his family high into the mountains and hid in the caves and the laurel thickets.  They stayed, and their children still live in our old homeland today.  I walked west with the rest of us.  Hunting was hard in the deep snow, but I shared every rabbit I caught.  When the wind cracked our faces, we rubbed them with bear oil.</source>
        <translation>Mi hermano no recorrió este camino.  Cuando llegaron los soldados, se llevó a su familia a lo alto de las montañas y se escondieron en las cuevas y entre los matorrales de laurel.  Se quedaron allí, y sus hijos todavía viven hoy en nuestra antigua tierra natal.  Yo caminé hacia el oeste con todos los demás.  Cazar era difícil en la nieve profunda, pero compartí cada conejo que atrapé.  Cuando el viento nos agrietaba la cara, nos la untábamos con aceite de oso.</translation>
    </message>
    <message>
        <source>Every night I sang the old songs, so the children would learn them.  The path to the spring was covered with ice, and we slipped and fell carrying water.  I rubbed arnica on the bruises, and with every bruise I taught one more verse.  The soldiers could take our homes, but not a song we carried inside us.  Listen now, and I will sing you the first verse.</source>
        <translation>Cada noche cantaba las canciones antiguas, para que los niños las aprendieran.  El sendero hacia el manantial estaba cubierto de hielo, y nos resbalábamos y caíamos al cargar el agua.  Yo untaba árnica en los moretones, y con cada moretón enseñaba una estrofa más.  Los soldados podían quitarnos nuestras casas, pero no una canción que llevábamos dentro.  Escuchen ahora, y les cantaré la primera estrofa.</translation>
    </message>
    <message>
        <source>I write in our own letters.  Before the soldiers came, a small group of men signed a treaty to sell all our land.  They did not speak for the nation.  I helped carry a paper against it, and more than fifteen thousand of our people signed their names.  The leaders in the capital would not listen.  On the trail my hands cracked from writing in the cold, so I rubbed them with bittersweet salve and wrote letters home for the people.</source>
        <translation>Yo escribo con nuestras propias letras.  Antes de que llegaran los soldados, un pequeño grupo de hombres firmó un tratado para vender toda nuestra tierra.  Ellos no hablaban en nombre de la nación.  Ayudé a llevar un documento en contra del tratado, y más de quince mil personas de nuestro pueblo firmaron con su nombre.  Los líderes de la capital no quisieron escuchar.  En el camino se me agrietaron las manos por escribir en el frío, así que me las untaba con pomada de dulcamara y escribía cartas a casa en nombre de la gente.</translation>
    </message>
    <message>
        <source>&quot;Stay away from them,&quot; Father said when the families camped by our fields in the wet snow, and most of our neighbours shut their doors.  But their fires kept going out, and I was ten years old and knew a trick.  I ran to a Verunai boy with a pocket full of birchbark and said, &quot;It burns even when it is damp.&quot;  His fire caught on the first try, and we sat beside it and traded names.</source>
        <translation>&quot;Aléjate de ellos&quot;, dijo Papá cuando las familias acamparon junto a nuestros campos en la nieve húmeda, y la mayoría de nuestros vecinos cerraron sus puertas.  Pero a las familias se les apagaban las fogatas una y otra vez, y yo tenía diez años y conocía un truco.  Con el bolsillo lleno de corteza de abedul, corrí hacia un niño Verunai y le dije: &quot;Arde aunque esté húmeda&quot;.  Su fogata prendió al primer intento, y nos sentamos a su lado y nos dijimos nuestros nombres.</translation>
    </message>
    <message>
        <source>My wife grew weak with a cough that would not stop.  Every night I made her bugleweed tea, and I held her hand as we walked, because the soldiers would not let us rest.  She died on a grey morning, and we buried her beside the road with a song.  She had asked me to walk on for our children, and so I did.  They are the reason I am here to speak with you.</source>
        <translation>Mi esposa se fue debilitando por una tos que no se le quitaba.  Cada noche le preparaba té de licopo, y le tomaba la mano mientras caminábamos, porque los soldados no nos dejaban descansar.  Murió una mañana gris, y la enterramos junto al camino con una canción.  Me había pedido que siguiera caminando por nuestros hijos, y así lo hice.  Ellos son la razón por la que estoy aquí para hablar con ustedes.</translation>
    </message>
    <message>
        <source>Have you ever seen calendula flowers?  They are golden as the sun, and I carried them dried in my bag of herbs.  By the end of winter that bag was nearly empty.  When the river ice broke, people cut their feet on its sharp edges, and I washed their cuts with calendula water so that they healed clean.  Many of the plants we knew did not grow in the land they sent us to.</source>
        <translation>¿Alguna vez han visto flores de caléndula?  Son doradas como el sol, y yo las llevaba secas en mi bolsa de hierbas.  Al final del invierno esa bolsa estaba casi vacía.  Cuando se rompió el hielo del río, la gente se cortó los pies con sus bordes filosos, y yo les lavé los cortes con agua de caléndula para que sanaran limpios.  Muchas de las plantas que conocíamos no crecían en la tierra adonde nos mandaron.</translation>
    </message>
    <message>
        <source>I was a free man with a smithy by this road, and I knew what it was to be pushed aside.  When the wagons came through with broken wheels and cracked axles, I worked all night to mend them, and I would not take a penny.  My wife sent out strings of garlic from our cellar, good against coughs and colds.  In the morning the wagons rolled on, and I went back to my fire.</source>
        <translation>Yo era un hombre libre con una herrería junto a este camino, y sabía lo que se siente cuando te hacen a un lado.  Cuando las carretas pasaron con las ruedas rotas y los ejes rajados, trabajé toda la noche para repararlas, y no quise cobrar ni un centavo.  Mi esposa les mandó ristras de ajo de nuestro sótano, buenas contra la tos y los resfriados.  Por la mañana las carretas siguieron su marcha, y yo volví al fuego de mi fragua.</translation>
    </message>
    <message>
        <source>Many of my pupils walked this trail, so I followed them west to keep their school going.  On the way, when fevers came back, the older girls showed me how to make dogwood bark tea, and I wrote down every step.  In the west the Verunai built their nation again.  They had their own council and their own newspaper, and more schools than before.  My pupils became the teachers.</source>
        <translation>Muchos de mis alumnos recorrieron este camino, así que los seguí hacia el oeste para que su escuela siguiera funcionando.  En el camino, cuando volvían las fiebres, las muchachas mayores me enseñaron a hacer té de corteza de cornejo, y yo anoté cada paso.  En el oeste, los Verunai volvieron a construir su nación.  Tenían su propio consejo y su propio periódico, y más escuelas que antes.  Mis alumnos se convirtieron en los maestros.</translation>
    </message>
    <message>
        <source>They told us the land in the west would be ours for as long as the grass grows, but we did not choose it, and it was not home.  I was the oldest in our group, so each night I told the old stories by the fire, and the young ones learned who we are.  My walking stick is cut from a tulip poplar, and its bark made a tea for the weary.  Sit down beside me, and I will tell you one.</source>
        <translation>Nos dijeron que la tierra del oeste sería nuestra mientras creciera la hierba, pero nosotros no la elegimos, y no era nuestro hogar.  Yo era la persona de más edad de nuestro grupo, así que cada noche contaba las historias antiguas junto al fuego, y los jóvenes aprendieron quiénes somos.  Mi bastón está cortado de un tulipero, y con su corteza se hacía un té para los cansados.  Siéntense a mi lado, y les contaré una.</translation>
    </message>
    <message>
        <source>Feel this little pouch.  Before we left, my mother sewed it into my dress, full of seeds: corn, beans, squash, and savory for the cooking pot.  All winter I kept them dry, even when I was hungry.  In the spring we knelt in the strange red earth of the west and pressed the seeds in, one by one.  When the savory came up, our first stew tasted like home.</source>
        <translation>Toquen esta bolsita.  Antes de irnos, mi madre la cosió dentro de mi vestido, llena de semillas: maíz, frijoles, calabaza y ajedrea para la olla.  Todo el invierno las mantuve secas, aun cuando tenía hambre.  En la primavera nos arrodillamos en la extraña tierra roja del oeste y hundimos las semillas, una por una.  Cuando brotó la ajedrea, nuestro primer guiso supo a hogar.</translation>
    </message>
    <message>
        <source>We came to the west with very little, to a land we had never chosen.  Before summer came, I cut down trees and built a cabin for my family, and our neighbours helped me raise the roof.  We drank sumac-berry water, cool and sour, while we cleared the new fields.  It was not our old home.  But we planted, we held our council again, and we made it a home.</source>
        <translation>Llegamos al oeste con muy poco, a una tierra que nunca habíamos elegido.  Antes de que llegara el verano, corté árboles y construí una cabaña para mi familia, y nuestros vecinos me ayudaron a levantar el techo.  Bebíamos agua de bayas de zumaque, fresca y ácida, mientras despejábamos los nuevos campos.  No era nuestro antiguo hogar.  Pero sembramos, volvimos a reunir nuestro consejo, e hicimos de ella un hogar.</translation>
    </message>
    <message>
        <source>I was a little girl on this trail, and I lived to be very old.  When food ran short, my mother boiled slippery elm bark into a porridge that kept us going.  I told my grandchildren everything, so that they would remember, and they told theirs.  Today our nations have their own governments, schools and languages, in the west and in the old mountains too.  We are still here.</source>
        <translation>Yo era una niña pequeña en este camino, y viví hasta ser muy anciana.  Cuando escaseaba la comida, mi madre hervía corteza de olmo rojo hasta hacer una papilla que nos daba fuerzas para seguir.  Les conté todo a mis nietos, para que lo recordaran, y ellos se lo contaron a los suyos.  Hoy nuestras naciones tienen sus propios gobiernos, escuelas e idiomas, en el oeste y también en las viejas montañas.  Todavía estamos aquí.</translation>
    </message>
    <message>
        <source>Near a roadside market, friends share a campfire with Sedora, a wise Verunai woman.  She tells the story of her people.</source>
        <translation>Cerca de un mercado junto a la carretera, unos amigos comparten una fogata con Sedora, una sabia mujer Verunai.  Ella cuenta la historia de su pueblo.</translation>
    </message>
    <message>
        <source>Sedora has no children to carry on her stories.  She fears they will be forgotten.</source>
        <translation>Sedora no tiene hijos que sigan contando sus historias.  Teme que se olviden.</translation>
    </message>
    <message>
        <source>Soldiers forced my people from our homes.  They made us walk a long way, through the winter, to a distant new land.</source>
        <translation>Los soldados sacaron a mi pueblo de nuestros hogares a la fuerza.  Nos hicieron caminar un largo trecho, a través del invierno, hasta una tierra nueva y lejana.</translation>
    </message>
    <message>
        <source>One in three of the people did not survive the journey.</source>
        <translation>Una de cada tres personas del pueblo no sobrevivió al viaje.</translation>
    </message>
    <message>
        <source>The Verunai named that journey Weyfarra, the trail where they cried.  It must never be forgotten.</source>
        <translation>Los Verunai llamaron a ese viaje Weyfarra, el camino donde lloraron.  Nunca debe olvidarse.</translation>
    </message>
    <message>
        <source>It was said that whoever killed an eagle for sport would be haunted by dreams of fierce, swooping eagles.</source>
        <translation>Se decía que quien matara un águila por diversión sería perseguido por sueños de águilas feroces que se lanzaban en picada.</translation>
    </message>
    <message>
        <source>Dreaming of an eagle meant holding an Eagle Dance, with vigils and fasting, or the family might suffer.</source>
        <translation>Soñar con un águila significaba que había que celebrar una Danza del Águila, con vigilias y ayunos, o la familia podría sufrir.</translation>
    </message>
    <message>
        <source>The eagle is sacred: only great warriors and those versed in sacred rites wear eagle feathers in the dance.</source>
        <translation>El águila es sagrada: solo los grandes guerreros y quienes conocen bien los ritos sagrados llevan plumas de águila en la danza.</translation>
    </message>
    <message>
        <source>Sedora takes your hands.  &quot;Close your eyes,&quot; she says.  When you open them, you stand on the ghostly Trail, and your journey is about to begin...</source>
        <translation>Sedora les toma las manos.  &quot;Cierren los ojos&quot;, dice.  Cuando los abren, están en el Camino fantasmal, y su viaje está a punto de comenzar...</translation>
    </message>
    <message>
        <source>You have walked the Weyfarra trail with us, from the old homeland to the land in the west.  Others wanted our land, and a law and a treaty signed by a few were used to force us out.  We spoke up with petitions and in the highest court, and some of us hid in the mountains and stayed.  Remember the few who helped, and the many who looked away.  The Verunai are still here today, as nations: we speak our language, sing our songs and tell our stories.  Now you carry them too.  Thank you for walking with us.</source>
        <translation>Ustedes han recorrido con nosotros el camino Weyfarra, desde la antigua tierra natal hasta la tierra del oeste.  Otros querían nuestra tierra, y se usaron una ley y un tratado firmado por unos pocos para sacarnos a la fuerza.  Alzamos la voz con peticiones y en la corte más alta del país, y algunos de nosotros nos escondimos en las montañas y nos quedamos.  Recuerden a los pocos que ayudaron, y a los muchos que miraron hacia otro lado.  Los Verunai siguen aquí hoy, como naciones: hablamos nuestro idioma, cantamos nuestras canciones y contamos nuestras historias.  Ahora ustedes también los llevan consigo.  Gracias por caminar con nosotros.</translation>
    </message>
    <message>
        <source>These are remedies people used long ago.  Many of these plants are poisonous: never try them yourself.</source>
        <translation>Estos son remedios que la gente usaba hace mucho tiempo.  Muchas de estas plantas son venenosas: nunca las prueben ustedes mismos.</translation>
    </message>
    <message>
        <source>A journey along the Verunai removal trail, made with care for students and teachers.</source>
        <translation>Un viaje por el camino de la expulsión de los Verunai, hecho con cuidado para estudiantes y maestros.</translation>
    </message>
</context>
<context>
    <name>TAbout1</name>
    <message>
        <source>About Kelvarin</source>
        <translation>Acerca de Kelvarin</translation>
    </message>
    <message>
        <source>Kelvarin emblem</source>
        <translation>Emblema de Kelvarin</translation>
    </message>
    <message>
        <source>&amp;No, don&apos;t quit</source>
        <translation>&amp;No, no salir</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Are you sure you want to restart the game?</source>
        <translation>¿Seguro que quieres empezar el juego de nuevo?</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit?</source>
        <translation>¿Seguro que quieres salir?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
</context>
<context>
    <name>TFleaMarket</name>
    <message>
        <source>Flea Market</source>
        <translation>Mercado de pulgas</translation>
    </message>
    <message>
        <source>Market scene</source>
        <translation>Escena del mercado</translation>
    </message>
    <message>
        <source>Door #4</source>
        <translation>Puerta n.º 4</translation>
    </message>
    <message>
        <source>Click to Enter</source>
        <translation>Haz clic para entrar</translation>
    </message>
    <message>
        <source>Press to enter the shop.</source>
        <translation>Pulsa para entrar en la tienda.</translation>
    </message>
    <message>
        <source>Door #3</source>
        <translation>Puerta n.º 3</translation>
    </message>
    <message>
        <source>This shop is closed today</source>
        <translation>Esta tienda está cerrada hoy</translation>
    </message>
    <message>
        <source>This shop is closed today.</source>
        <translation>Esta tienda está cerrada hoy.</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>Way out</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Press to leave the shop.</source>
        <translation>Pulsa para salir de la tienda.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>The next day at the flea market, you meet Sedora again, and she tells you a Verunai legend.  She is ready to send you on a strange adventure, but first you must do some shopping!</source>
        <translation>Al día siguiente, en el mercado de pulgas, vuelves a ver a Sedora, y ella te cuenta una leyenda Verunai.  Está lista para mandarte a una aventura extraña, ¡pero primero tienes que hacer algunas compras!</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Wooden frame</source>
        <translation>Marco de madera</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inventario</translation>
    </message>
    <message>
        <source>Shows what the party has.</source>
        <translation>Muestra lo que tiene el grupo.</translation>
    </message>
    <message>
        <source>The next day, you and your friends are shopping at the flea market.  You have $50 to spend. </source>
        <translation>Al día siguiente, tú y tus amigos van de compras al mercado de pulgas.  Tienen $50 para gastar. </translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Águila</translation>
    </message>
    <message>
        <source>Press for a hint.</source>
        <translation>Pulsa para ver una pista.</translation>
    </message>
    <message>
        <source>The picture file &quot;%1&quot; is missing or damaged.</source>
        <translation>El archivo de imagen &quot;%1&quot; falta o está dañado.</translation>
    </message>
    <message>
        <source>The flea market lane.</source>
        <translation>El pasillo del mercado de pulgas.</translation>
    </message>
    <message>
        <source>Inside the shop.</source>
        <translation>Dentro de la tienda.</translation>
    </message>
    <message>
        <source>Press to open the store.</source>
        <translation>Pulsa para abrir la tienda.</translation>
    </message>
    <message>
        <source>Click on Door #4 to visit one of the shops now, and be sure to buy some items.</source>
        <translation>Haz clic en la Puerta n.º 4 para visitar una de las tiendas, y no olvides comprar algunas cosas.</translation>
    </message>
    <message>
        <source>Click on the screen to bring up the STORE MENU, and select the items you want to buy.  Then click the PURCHASE button.</source>
        <translation>Haz clic en la pantalla para abrir la LISTA DE LA TIENDA, y elige las cosas que quieres comprar.  Luego haz clic en el botón COMPRAR.</translation>
    </message>
    <message>
        <source>You haven&apos;t purchased anything from the store!  You won&apos;t be able to trade.</source>
        <translation>¡No compraste nada en la tienda!  No podrás hacer trueques.</translation>
    </message>
    <message>
        <source>After visiting all the shops, and making your purchases, Sedora tells you how to start a very strange journey!</source>
        <translation>Después de visitar todas las tiendas y hacer tus compras, ¡Sedora te explica cómo empezar un viaje muy extraño!</translation>
    </message>
    <message>
        <source>This shop is closed today.  Door #4 is open.</source>
        <translation>Esta tienda está cerrada hoy.  La Puerta n.º 4 está abierta.</translation>
    </message>
    <message>
        <source>Hello there!  May I help you?</source>
        <translation>¡Hola!  ¿En qué te puedo ayudar?</translation>
    </message>
    <message>
        <source>Thank you kindly!</source>
        <translation>¡Muchas gracias!</translation>
    </message>
    <message>
        <source>right side</source>
        <translation>a la derecha</translation>
    </message>
    <message>
        <source>right or left side</source>
        <translation>a la derecha o a la izquierda</translation>
    </message>
    <message>
        <source>left side</source>
        <translation>a la izquierda</translation>
    </message>
    <message>
        <source>right side or bottom</source>
        <translation>a la derecha o abajo</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>abajo</translation>
    </message>
    <message>
        <source>Click on doors to enter shops.  Or click on the items you wish to buy, and select them from the list.</source>
        <translation>Haz clic en las puertas para entrar en las tiendas.  O haz clic en las cosas que quieres comprar, y elígelas de la lista.</translation>
    </message>
    <message>
        <source>The shopkeeper may speak to you.  Place cursor over face of shopkeeper, and click the mouse button.</source>
        <translation>El tendero quizá te hable.  Pon el puntero sobre la cara del tendero y haz clic con el ratón.</translation>
    </message>
    <message>
        <source>You may purchase items shown in this scene.  Click on the items you wish to buy, and select them from the list.</source>
        <translation>Puedes comprar las cosas que ves en esta escena.  Haz clic en las cosas que quieres comprar, y elígelas de la lista.</translation>
    </message>
    <message>
        <source>Click on the THIS WAY sign at the %1 of the screen to change scenes.</source>
        <translation>Haz clic en el letrero THIS WAY (por aquí), %1 en la pantalla, para cambiar de escena.</translation>
    </message>
</context>
<context>
    <name>TGame</name>
    <message>
        <source>Scene</source>
        <translation>Escena</translation>
    </message>
    <message>
        <source>Bottom bar</source>
        <translation>Barra inferior</translation>
    </message>
    <message>
        <source>Visit the Trading Post</source>
        <translation>Puesto comercial</translation>
    </message>
    <message>
        <source>Look Around </source>
        <translation>Mirar alrededor </translation>
    </message>
    <message>
        <source>Go To Next Town</source>
        <translation>Siguiente pueblo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Weyfarra Map</source>
        <translation>Mapa de Weyfarra</translation>
    </message>
    <message>
        <source>Your Party</source>
        <translation>Tu grupo</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inventario</translation>
    </message>
    <message>
        <source>A traveller needs care</source>
        <translation>Un viajero necesita cuidados</translation>
    </message>
    <message>
        <source>Name your travellers here</source>
        <translation>Ponles nombre a tus viajeros aquí</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>What will you do?</source>
        <translation>¿Qué vas a hacer?</translation>
    </message>
    <message>
        <source>Clean the wound thoroughly.</source>
        <translation>Limpiar bien la herida.</translation>
    </message>
    <message>
        <source>Clean wound, and give the patient snakeroot tea.</source>
        <translation>Limpiar la herida y darle té de serpentaria.</translation>
    </message>
    <message>
        <source>Clean the wound, and apply lobelia and agrimony. </source>
        <translation>Limpiar la herida y poner lobelia y agrimonia. </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Your Journey</source>
        <translation>Tu viaje</translation>
    </message>
    <message>
        <source>Map of the journey</source>
        <translation>Mapa del viaje</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Your party</source>
        <translation>Tu grupo</translation>
    </message>
    <message>
        <source>Choose Your Party</source>
        <translation>Elige tu grupo</translation>
    </message>
    <message>
        <source>Name of traveller %1</source>
        <translation>Nombre del viajero %1</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Make a trade?</source>
        <translation>¿Hacer un trueque?</translation>
    </message>
    <message>
        <source>Yes, I&apos;ll trade.</source>
        <translation>Sí, acepto.</translation>
    </message>
    <message>
        <source>Any more offers?</source>
        <translation>¿Otra oferta?</translation>
    </message>
    <message>
        <source>No deals.</source>
        <translation>No, gracias.</translation>
    </message>
    <message>
        <source>Lake mask</source>
        <translation>Máscara del lago</translation>
    </message>
    <message>
        <source>Ripples</source>
        <translation>Ondas</translation>
    </message>
    <message>
        <source>Fish caught</source>
        <translation>Pez pescado</translation>
    </message>
    <message>
        <source>Fishing rod</source>
        <translation>Caña de pescar</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Corcho</translation>
    </message>
    <message>
        <source>Ripples on the water</source>
        <translation>Ondas en el agua</translation>
    </message>
    <message>
        <source>The fish you caught</source>
        <translation>El pez que pescaste</translation>
    </message>
    <message>
        <source>You caught a fish!</source>
        <translation>¡Pescaste un pez!</translation>
    </message>
    <message>
        <source>Please go on.</source>
        <translation>Sigue, por favor.</translation>
    </message>
    <message>
        <source>Next Story</source>
        <translation>Otra historia</translation>
    </message>
    <message>
        <source>The way your party travelled</source>
        <translation>El camino que recorrió tu grupo</translation>
    </message>
    <message>
        <source>Travel Again</source>
        <translation>Viajar otra vez</translation>
    </message>
    <message>
        <source>Leave the Game</source>
        <translation>Salir del juego</translation>
    </message>
    <message>
        <source>she</source>
        <translation>ella</translation>
    </message>
    <message>
        <source>he</source>
        <translation>él</translation>
    </message>
    <message>
        <source>Now click the &quot;Look Around&quot; button to see %1.</source>
        <translation>Ahora haz clic en el botón &quot;Mirar alrededor&quot; para ver a %1.</translation>
    </message>
    <message>
        <source>Then click on the screen, and %1 will speak to you.</source>
        <translation>Luego haz clic en la pantalla, y %1 te hablará.</translation>
    </message>
    <message>
        <source>Click on the screen again to try to trade with %1.  If you purchased the right items at the flea market, %2 will offer to give you %3.</source>
        <translation>Haz clic otra vez en la pantalla para intentar un trueque con %1.  Si compraste las cosas adecuadas en el mercado de pulgas, %2 te ofrecerá %3.</translation>
    </message>
    <message>
        <source>You need to get food for your party, as well as medicine.  If you are finished trading, click the &quot;Go Fishing&quot; button.</source>
        <translation>Tu grupo necesita comida y medicinas.  Si terminaste los trueques, haz clic en &quot;Ir a pescar&quot;.</translation>
    </message>
    <message>
        <source>You need supplies for your party, as well as medicine.  If you are finished trading, click the &quot;Visit the Trading Post&quot; button.</source>
        <translation>Tu grupo necesita provisiones y medicinas.  Si terminaste los trueques, haz clic en &quot;Puesto comercial&quot;.</translation>
    </message>
    <message>
        <source>Now click on the screen to enter the trading post.</source>
        <translation>Ahora haz clic en la pantalla para entrar en el puesto comercial.</translation>
    </message>
    <message>
        <source>Since this is a ghostly establishment, the proprietors may not have seen any customers in a while...</source>
        <translation>Como este es un lugar de fantasmas, quizá los dueños no han visto clientes desde hace mucho tiempo...</translation>
    </message>
    <message>
        <source>It looks like they&apos;re ready to help you.  Click on the screen to purchase your supplies.</source>
        <translation>Parece que ya están listos para ayudarte.  Haz clic en la pantalla para comprar tus provisiones.</translation>
    </message>
    <message>
        <source>You and your friends find yourselves in a covered wagon on the Trail.          </source>
        <translation>Tú y tus amigos están en una carreta cubierta en el Camino.          </translation>
    </message>
    <message>
        <source>Click the &quot;Go to next Town&quot; button to see how you can travel to the next town.</source>
        <translation>Haz clic en el botón &quot;Siguiente pueblo&quot; para ver cómo puedes viajar al siguiente pueblo.</translation>
    </message>
    <message>
        <source>To travel on, go fishing, then click &quot;Look Around&quot; once more: &quot;Go To Next Town&quot; will be ready.</source>
        <translation>Para seguir, ve a pescar y luego haz clic en &quot;Mirar alrededor&quot;: &quot;Siguiente pueblo&quot; estará listo.</translation>
    </message>
    <message>
        <source>To travel on, visit the trading post, then click &quot;Look Around&quot; once more: &quot;Go To Next Town&quot; will be ready.</source>
        <translation>Para seguir, visita el puesto comercial y luego haz clic en &quot;Mirar alrededor&quot;: &quot;Siguiente pueblo&quot; estará listo.</translation>
    </message>
    <message>
        <source>Go Fishing</source>
        <translation>Ir a pescar</translation>
    </message>
    <message>
        <source>The trading post seems empty.  Click on the screen again to see if anyone is here.</source>
        <translation>El puesto comercial parece vacío.  Haz clic otra vez en la pantalla para ver si hay alguien.</translation>
    </message>
    <message>
        <source>%1&apos;s condition is critical.</source>
        <translation>%1 está muy grave.</translation>
    </message>
    <message>
        <source>%1&apos;s condition is poor.</source>
        <translation>%1 está mal.</translation>
    </message>
    <message>
        <source>%1&apos;s condition is fair.</source>
        <translation>%1 está regular.</translation>
    </message>
    <message>
        <source>%1&apos;s condition is good.</source>
        <translation>%1 está bien.</translation>
    </message>
    <message>
        <source>Arriving in %1.</source>
        <translation>Llegando a %1.</translation>
    </message>
    <message>
        <source>The map of the country the journey starts in.</source>
        <translation>El mapa de la región donde empieza el viaje.</translation>
    </message>
    <message>
        <source>The map of the way to %1.</source>
        <translation>El mapa del camino hacia %1.</translation>
    </message>
    <message>
        <source>%1 stands in the scene.  Press to trade.</source>
        <translation>%1 está en la escena.  Pulsa para hacer un trueque.</translation>
    </message>
    <message>
        <source>The trading post, seen from outside.  Press to go in.</source>
        <translation>El puesto comercial, visto desde fuera.  Pulsa para entrar.</translation>
    </message>
    <message>
        <source>Inside the trading post.  Press to wake the keepers.</source>
        <translation>Dentro del puesto comercial.  Pulsa para despertar a los dueños.</translation>
    </message>
    <message>
        <source>The keepers at their counter.  Press to buy supplies.</source>
        <translation>Los dueños en su mostrador.  Pulsa para comprar provisiones.</translation>
    </message>
    <message>
        <source>The lake.  Cast on the water; when the float goes under, pull in the rod.</source>
        <translation>El lago.  Lanza el anzuelo al agua; cuando el corcho se hunda, tira de la caña.</translation>
    </message>
    <message>
        <source>A snake on the trail.</source>
        <translation>Una serpiente en el camino.</translation>
    </message>
    <message>
        <source>Sedora&apos;s campfire.</source>
        <translation>La fogata de Sedora.</translation>
    </message>
    <message>
        <source>Hear the story again</source>
        <translation>Escuchar la historia otra vez</translation>
    </message>
    <message>
        <source>The spirit tells its story once more (F5)</source>
        <translation>El espíritu cuenta su historia otra vez (F5)</translation>
    </message>
    <message>
        <source>Will you give her %1 in exchange for %2?</source>
        <translation>¿Le das %1 a cambio de %2?</translation>
    </message>
    <message>
        <source>Will you give him %1 in exchange for %2?</source>
        <translation>¿Le das %1 a cambio de %2?</translation>
    </message>
    <message>
        <source>You have nothing to trade.</source>
        <translation>No tienes nada para intercambiar.</translation>
    </message>
    <message>
        <source>You received %1.</source>
        <translation>Recibes: %1.</translation>
    </message>
    <message>
        <source>Your party has nothing left to eat.  Buy provisions at the trading post, or go hunting in the woods.</source>
        <translation>A tu grupo no le queda nada de comer.  Compra provisiones en el puesto comercial, o ve a cazar al bosque.</translation>
    </message>
    <message>
        <source>Your party has nothing left to eat.  Buy provisions at the trading post.</source>
        <translation>A tu grupo no le queda nada de comer.  Compra provisiones en el puesto comercial.</translation>
    </message>
    <message>
        <source>%1 was bitten by a snake!</source>
        <translation>¡A %1 le mordió una serpiente!</translation>
    </message>
    <message>
        <source>Go hunting %1.</source>
        <translation>Ir a cazar %1.</translation>
    </message>
    <message>
        <source>Walk on without hunting.</source>
        <translation>Seguir caminando sin cazar.</translation>
    </message>
    <message>
        <source>Your Party: one traveller is ailing</source>
        <translation>Tu grupo: un viajero no se siente bien</translation>
    </message>
    <message>
        <source>Your Party: %1 travellers are ailing</source>
        <translation>Tu grupo: %1 viajeros no se sienten bien</translation>
    </message>
    <message>
        <source>Your Party: some travellers are weak</source>
        <translation>Tu grupo: algunos viajeros están débiles</translation>
    </message>
    <message>
        <source>%1 is too weak to walk on today.  Your party rests a day in %2 and cares for %1.</source>
        <translation>Hoy %1 está demasiado débil para seguir caminando.  Tu grupo descansa un día en %2 y cuida de %1.</translation>
    </message>
    <message>
        <source>There are tracks of game in these woods.</source>
        <translation>Hay huellas de animales en este bosque.</translation>
    </message>
    <message>
        <source>%1 rests by the fire tonight.</source>
        <translation>Esta noche %1 descansa junto al fuego.</translation>
    </message>
    <message>
        <source>%1 feels better already.</source>
        <translation>%1 ya se siente mejor.</translation>
    </message>
    <message>
        <source>%1 for the %2 you traded for</source>
        <translation>%1 por los trueques (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n useful goods</source>
        <translation>
            <numerusform>%n cosa útil</numerusform>
            <numerusform>%n cosas útiles</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 for treating the snakebite with snakeroot tea</source>
        <translation>%1 por curar la mordedura de serpiente con té de serpentaria</translation>
    </message>
    <message>
        <source>%1 for the %2 lb of fish in storage</source>
        <translation>%1 por las %2 lb de pescado guardadas</translation>
    </message>
    <message>
        <source>%1 for the %2 you gave</source>
        <translation>%1 por los remedios que diste (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n remedies</source>
        <translation>
            <numerusform>%n remedio</numerusform>
            <numerusform>%n remedios</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 for the %2 in good condition</source>
        <translation>%1 por %2 en buen estado</translation>
    </message>
    <message numerus="yes">
        <source>%n travellers</source>
        <translation>
            <numerusform>%n viajero</numerusform>
            <numerusform>%n viajeros</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Your final score is %1: %2.

Thank you for travelling with us.</source>
        <translation>Tu puntuación final es %1: %2.

Gracias por viajar con nosotros.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Your party has come to the end of the Weyfarra trail.  The spirits you met have told you their stories: remember them, and remember the Verunai, whose long walk you have followed.</source>
        <translation>Tu grupo llegó al final del camino Weyfarra.  Los espíritus que conociste te contaron sus historias: recuérdalas, y recuerda a los Verunai, cuya larga caminata has seguido.</translation>
    </message>
    <message>
        <source>Journeys (*.kvj)</source>
        <translation>Viajes (*.kvj)</translation>
    </message>
    <message>
        <source>There is no journey on the trail to save.</source>
        <translation>No hay ningún viaje en el camino para guardar.</translation>
    </message>
    <message>
        <source>The journey can be saved when the party is not travelling, listening to a spirit or treating a snakebite.  Please try again in a moment.</source>
        <translation>El viaje se puede guardar cuando el grupo no está viajando, escuchando a un espíritu o curando una mordedura de serpiente.  Inténtalo otra vez en un momento.</translation>
    </message>
    <message>
        <source>The journey could not be saved: &quot;%1&quot; is not a saved journey (it may be a game saved at the flea market), so it is not replaced.  Please choose another name.</source>
        <translation>No se pudo guardar el viaje: &quot;%1&quot; no es un viaje guardado (puede ser un juego guardado en el mercado de pulgas), así que no se reemplaza.  Elige otro nombre, por favor.</translation>
    </message>
    <message>
        <source>The journey &quot;%1&quot; cannot be opened: %2.  Nothing in the game was changed.</source>
        <translation>No se puede abrir el viaje &quot;%1&quot;: %2.  No se cambió nada en el juego.</translation>
    </message>
    <message>
        <source>its journal cannot be read (%1)</source>
        <translation>no se puede leer su diario (%1)</translation>
    </message>
    <message>
        <source>the picture &quot;%1&quot; it needs is missing from the game</source>
        <translation>falta en el juego la imagen &quot;%1&quot; que necesita</translation>
    </message>
</context>
<context>
    <name>TIntro</name>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Sedora by the campfire</source>
        <translation>Sedora junto a la fogata</translation>
    </message>
</context>
<context>
    <name>TInventory</name>
    <message>
        <source>Flea Market Items</source>
        <translation>Cosas del mercado</translation>
    </message>
    <message>
        <source>Trading Post Items</source>
        <translation>Cosas del puesto comercial</translation>
    </message>
    <message>
        <source>Traded Items</source>
        <translation>Cosas intercambiadas</translation>
    </message>
    <message>
        <source>Game Reserves</source>
        <translation>Reservas de caza</translation>
    </message>
    <message>
        <source>Fish Caught</source>
        <translation>Peces pescados</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inventario</translation>
    </message>
    <message>
        <source>Inventory background</source>
        <translation>Fondo del inventario</translation>
    </message>
    <message>
        <source>Which list</source>
        <translation>Qué lista</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Ade&amp;lante</translation>
    </message>
    <message>
        <source> (given as a remedy)</source>
        <translation> (dado como remedio)</translation>
    </message>
    <message>
        <source>Lines %1 to %2 of %3: %4</source>
        <translation>Líneas %1 a %2 de %3: %4</translation>
    </message>
</context>
<context>
    <name>TStore</name>
    <message>
        <source>Purchase Items</source>
        <translation>Comprar cosas</translation>
    </message>
    <message>
        <source>Store background</source>
        <translation>Fondo de la tienda</translation>
    </message>
    <message>
        <source>You have:     Buy:</source>
        <translation>Tienes:     Compra:</translation>
    </message>
    <message>
        <source>Unit Cost          Total Cost</source>
        <translation>Precio          Total</translation>
    </message>
    <message>
        <source>Your money:     $</source>
        <translation>Tu dinero:     $</translation>
    </message>
    <message>
        <source>Total Purchases:     $</source>
        <translation>Total de compras:     $</translation>
    </message>
    <message>
        <source>You can&apos;t make these purchases.  You don&apos;t have enough money!</source>
        <translation>No puedes hacer estas compras.  ¡No tienes suficiente dinero!</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Purchase</source>
        <translation>C&amp;omprar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Ade&amp;lante</translation>
    </message>
    <message>
        <source>Buys everything chosen on all three pages.</source>
        <translation>Compra todo lo elegido en las tres páginas.</translation>
    </message>
    <message>
        <source>How many %1 to buy</source>
        <translation>Cantidad de %1 para comprar</translation>
    </message>
    <message>
        <source>More or fewer %1</source>
        <translation>Más o menos %1</translation>
    </message>
    <message>
        <source>You have %1.  %2 each.  This row costs %3.</source>
        <translation>Tienes %1.  Precio por unidad: %2.  Esta fila cuesta %3.</translation>
    </message>
    <message>
        <source>Page %1 of %2, from %3.</source>
        <translation>Página %1 de %2, desde %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.  Type how many you want to buy, like 2.</source>
        <translation>&quot;%1&quot; no es un número.  Escribe cuántos quieres comprar, por ejemplo 2.</translation>
    </message>
    <message>
        <source>%1 is less than nothing.  Type how many you want to buy, like 2.</source>
        <translation>%1 es menos que nada.  Escribe cuántos quieres comprar, por ejemplo 2.</translation>
    </message>
    <message>
        <source>You can have at most %1 of each thing, and you have %2 already.</source>
        <translation>Puedes tener como máximo %1 de cada cosa, y ya tienes %2.</translation>
    </message>
    <message>
        <source>You can have at most %1 of each thing.  You have %2 already, so you can buy up to %3.</source>
        <translation>Puedes tener como máximo %1 de cada cosa.  Ya tienes %2, así que puedes comprar hasta %3.</translation>
    </message>
    <message>
        <source>You can have at most %1 of each thing, so you can buy up to %1.</source>
        <translation>Puedes tener como máximo %1 de cada cosa, así que puedes comprar hasta %1.</translation>
    </message>
</context>
<context>
    <name>Town</name>
    <message>
        <source>a settler woman who eased the families&apos; burns with her aloe plant</source>
        <translation>una mujer colona que alivió las quemaduras de las familias con su planta de sábila</translation>
    </message>
    <message>
        <source>the settler woman</source>
        <translation>la mujer colona</translation>
    </message>
    <message>
        <source>some ALOE</source>
        <translation>un poco de SÁBILA</translation>
    </message>
    <message>
        <source>Aloe will soothe burns from the campfire and the kettle.  Martha&apos;s aloe is in good hands now.</source>
        <translation>La sábila aliviará las quemaduras causadas por la fogata y la tetera.  Ahora la sábila de Martha está en buenas manos.</translation>
    </message>
    <message>
        <source>A farm at the edge of an autumn wood at dusk, with a cabin and a rail fence.</source>
        <translation>Una granja al borde de un bosque otoñal al anochecer, con una cabaña y una cerca de madera.</translation>
    </message>
    <message>
        <source>an old ferry keeper who carried families across the river for nothing</source>
        <translation>un anciano barquero que pasaba a las familias al otro lado del río sin cobrarles nada</translation>
    </message>
    <message>
        <source>the ferry keeper</source>
        <translation>el barquero</translation>
    </message>
    <message>
        <source>some GINGER TEA</source>
        <translation>un poco de TÉ DE JENGIBRE</translation>
    </message>
    <message>
        <source>Ginger tea will warm anyone in your party who is chilled to the bone, as it warmed the families at Elias&apos;s landing.</source>
        <translation>El té de jengibre hará entrar en calor a cualquiera de tu grupo que esté helado hasta los huesos, así como hizo entrar en calor a las familias en el embarcadero de Elias.</translation>
    </message>
    <message>
        <source>A wide grey river with a ferry flatboat tied at its landing.</source>
        <translation>Un río ancho y gris con una barca de fondo plano amarrada en su embarcadero.</translation>
    </message>
    <message>
        <source>a Verunai carver who made charms for the children</source>
        <translation>un tallador Verunai que hacía amuletos para los niños</translation>
    </message>
    <message>
        <source>the carver</source>
        <translation>el tallador</translation>
    </message>
    <message>
        <source>a DEER&apos;S HORN TALISMAN</source>
        <translation>un TALISMÁN DE CUERNO DE VENADO</translation>
    </message>
    <message>
        <source>The deer&apos;s horn talisman will give your party courage and luck when fishing and on the hard road ahead.  Hold on to it.</source>
        <translation>El talismán de cuerno de venado le dará a tu grupo valor y suerte al pescar y en el duro camino que queda por delante.  Guárdalo bien.</translation>
    </message>
    <message>
        <source>An old mill beside a creek in a misty autumn wood.</source>
        <translation>Un viejo molino junto a un arroyo, en un bosque otoñal cubierto de neblina.</translation>
    </message>
    <message>
        <source>a Verunai boy who carried his little sister on his back</source>
        <translation>un niño Verunai que cargaba a su hermanita en la espalda</translation>
    </message>
    <message>
        <source>the boy</source>
        <translation>el niño</translation>
    </message>
    <message>
        <source>some CAYENNE PEPPER</source>
        <translation>un poco de PIMIENTA DE CAYENA</translation>
    </message>
    <message>
        <source>A pinch of cayenne pepper in your moccasins will keep your party&apos;s toes from freezing, as Tali&apos;s grandmother knew.</source>
        <translation>Una pizca de pimienta de cayena en los mocasines evitará que a tu grupo se le congelen los dedos de los pies, como sabía la abuela de Tali.</translation>
    </message>
    <message>
        <source>A trail along a red clay bank under bare autumn trees, with campfires below.</source>
        <translation>Un camino a lo largo de una orilla de arcilla roja, bajo árboles de otoño sin hojas, con fogatas más abajo.</translation>
    </message>
    <message>
        <source>a young soldier who kept an old man&apos;s spear safe</source>
        <translation>un joven soldado que guardó a salvo la lanza de un anciano</translation>
    </message>
    <message>
        <source>the soldier</source>
        <translation>el soldado</translation>
    </message>
    <message>
        <source>a BEAR-HUNTING SPEAR</source>
        <translation>una LANZA PARA CAZAR OSOS</translation>
    </message>
    <message>
        <source>The old man&apos;s bear-hunting spear will help your party find food and stay safe in wild country.  It is in your care now.</source>
        <translation>La lanza del anciano para cazar osos ayudará a tu grupo a encontrar comida y a mantenerse a salvo en tierras salvajes.  Ahora está a tu cuidado.</translation>
    </message>
    <message>
        <source>A soldiers&apos; camp of white tents on a bare ridge under a grey sky.</source>
        <translation>Un campamento de soldados con tiendas de campaña blancas sobre una loma sin árboles, bajo un cielo gris.</translation>
    </message>
    <message>
        <source>a Verunai mother who cared for her baby in the camp</source>
        <translation>una madre Verunai que cuidó a su bebé en el campamento</translation>
    </message>
    <message>
        <source>the mother</source>
        <translation>la madre</translation>
    </message>
    <message>
        <source>some WILLOW BARK</source>
        <translation>un poco de CORTEZA DE SAUCE</translation>
    </message>
    <message>
        <source>Willow bark tea will ease fevers and aches in your party.  Selaqua is glad her remedy goes on with you.</source>
        <translation>El té de corteza de sauce aliviará las fiebres y los dolores de tu grupo.  Selaqua se alegra de que su remedio siga adelante contigo.</translation>
    </message>
    <message>
        <source>White birches beside a stream, with the camp&apos;s tents in the cold dawn.</source>
        <translation>Abedules blancos junto a un arroyo, con las tiendas de campaña del campamento en el frío amanecer.</translation>
    </message>
    <message>
        <source>a doctor who was sent with one of the groups</source>
        <translation>un médico que fue enviado con uno de los grupos</translation>
    </message>
    <message>
        <source>the doctor</source>
        <translation>el médico</translation>
    </message>
    <message>
        <source>some BONESET</source>
        <translation>un poco de EUPATORIO</translation>
    </message>
    <message>
        <source>Boneset tea will help anyone in your party who comes down with the flu.  The doctor wishes he had had more of it.</source>
        <translation>El té de eupatorio ayudará a cualquiera de tu grupo que se enferme de gripe.  Al médico le hubiera gustado tener más.</translation>
    </message>
    <message>
        <source>Covered wagons and tents beside a creek in a cold autumn rain.</source>
        <translation>Carretas cubiertas y tiendas de campaña junto a un arroyo, bajo una fría lluvia de otoño.</translation>
    </message>
    <message>
        <source>a Verunai grandmother who made medicines for the children</source>
        <translation>una abuela Verunai que preparaba medicinas para los niños</translation>
    </message>
    <message>
        <source>the grandmother</source>
        <translation>la abuela</translation>
    </message>
    <message>
        <source>some LOBELIA OINTMENT</source>
        <translation>un poco de UNGÜENTO DE LOBELIA</translation>
    </message>
    <message>
        <source>Lobelia ointment rubbed on the chest will ease a bad cough.  Oyalee has passed her grandmother&apos;s knowledge on to you.</source>
        <translation>El ungüento de lobelia, untado en el pecho, aliviará una tos fuerte.  Oyalee te ha enseñado lo que sabía su abuela.</translation>
    </message>
    <message>
        <source>Snow falling in a hollow of pines, with a small hut among the trees.</source>
        <translation>Nieve que cae en una hondonada de pinos, con una pequeña choza entre los árboles.</translation>
    </message>
    <message>
        <source>a minister who walked west with the Verunai</source>
        <translation>un pastor que caminó hacia el oeste con los Verunai</translation>
    </message>
    <message>
        <source>the minister</source>
        <translation>el pastor</translation>
    </message>
    <message>
        <source>some LEMON BALM</source>
        <translation>un poco de TORONJIL</translation>
    </message>
    <message>
        <source>Lemon balm tea will calm worried minds and help your party sleep.  It is a gentle gift.</source>
        <translation>El té de toronjil calmará las mentes preocupadas y ayudará a tu grupo a dormir.  Es un regalo suave.</translation>
    </message>
    <message>
        <source>A small meeting house with lit windows on a snowy hill at evening.</source>
        <translation>Una pequeña casa de reuniones con las ventanas iluminadas, sobre una colina nevada al caer la tarde.</translation>
    </message>
    <message>
        <source>a young Verunai man who waited at the frozen river</source>
        <translation>un joven Verunai que esperó junto al río congelado</translation>
    </message>
    <message>
        <source>the young man</source>
        <translation>el joven</translation>
    </message>
    <message>
        <source>some BLOOD ROOT</source>
        <translation>un poco de RAÍZ DE SANGUINARIA</translation>
    </message>
    <message>
        <source>Blood root will soothe sore throats in your party.  Dovani&apos;s mother would be glad to know it.</source>
        <translation>La raíz de sanguinaria aliviará los dolores de garganta de tu grupo.  A la madre de Dovani le alegraría saberlo.</translation>
    </message>
    <message>
        <source>A frozen river with broken ice at dawn, and a camp waiting on the snowy bank.</source>
        <translation>Un río congelado con hielo roto al amanecer, y un campamento que espera en la orilla nevada.</translation>
    </message>
    <message>
        <source>a farm girl whose family shared the little they had</source>
        <translation>una niña de una granja cuya familia compartió lo poco que tenía</translation>
    </message>
    <message>
        <source>the farm girl</source>
        <translation>la niña de la granja</translation>
    </message>
    <message>
        <source>some BLACKBERRY TEA</source>
        <translation>un poco de TÉ DE ZARZAMORA</translation>
    </message>
    <message>
        <source>Blackberry tea will settle an upset stomach.  Ruth shares it gladly, as her mother would.</source>
        <translation>El té de zarzamora asentará un estómago revuelto.  Ruth lo comparte con gusto, como lo haría su madre.</translation>
    </message>
    <message>
        <source>A snowy farm with smoke rising from its chimney, beside an iced river.</source>
        <translation>Una granja nevada con humo que sale de su chimenea, junto a un río cubierto de hielo.</translation>
    </message>
    <message>
        <source>a Verunai leader who guided one of the walking groups</source>
        <translation>un líder Verunai que guió a uno de los grupos de caminantes</translation>
    </message>
    <message>
        <source>the leader</source>
        <translation>el líder</translation>
    </message>
    <message>
        <source>some CRANESBILL</source>
        <translation>un poco de GERANIO SILVESTRE</translation>
    </message>
    <message>
        <source>Cranesbill will help anyone in your party who is sick from bad water.  Oskaya trusts you to look after one another.</source>
        <translation>El geranio silvestre ayudará a cualquiera de tu grupo que esté enfermo por el agua mala.  Oskaya confía en que ustedes se cuiden unos a otros.</translation>
    </message>
    <message>
        <source>Many tents under bare trees in a snowstorm.</source>
        <translation>Muchas tiendas de campaña bajo árboles sin hojas, en una tormenta de nieve.</translation>
    </message>
    <message>
        <source>a wagon driver hired to carry the sick and the old</source>
        <translation>un conductor de carretas contratado para llevar a los enfermos y a los ancianos</translation>
    </message>
    <message>
        <source>the wagon driver</source>
        <translation>el conductor de carretas</translation>
    </message>
    <message>
        <source>some SPRUCE PITCH</source>
        <translation>un poco de RESINA DE ABETO</translation>
    </message>
    <message>
        <source>Spruce pitch will seal cuts and cracked hands, and mend a broken wagon too.  A useful thing to carry.</source>
        <translation>La resina de abeto sellará los cortes y las manos agrietadas, y también reparará una carreta rota.  Algo útil para llevar.</translation>
    </message>
    <message>
        <source>A wagon stuck in the snow on a road through dark pines at dusk.</source>
        <translation>Una carreta atascada en la nieve, en un camino entre pinos oscuros, al anochecer.</translation>
    </message>
    <message>
        <source>a Verunai hunter whose brother hid in the mountains and stayed</source>
        <translation>un cazador Verunai cuyo hermano se escondió en las montañas y se quedó allí</translation>
    </message>
    <message>
        <source>the hunter</source>
        <translation>el cazador</translation>
    </message>
    <message>
        <source>some BEAR OIL</source>
        <translation>un poco de ACEITE DE OSO</translation>
    </message>
    <message>
        <source>Bear oil will protect your party&apos;s skin from the freezing wind.  Sakwi shares it as he shared all he had.</source>
        <translation>El aceite de oso protegerá la piel de tu grupo del viento helado.  Sakwi lo comparte como compartió todo lo que tenía.</translation>
    </message>
    <message>
        <source>Snowy hills under a cold blue sky, with the trail winding between them.</source>
        <translation>Colinas nevadas bajo un frío cielo azul, con el camino serpenteando entre ellas.</translation>
    </message>
    <message>
        <source>a young Verunai woman who kept the old songs</source>
        <translation>una joven Verunai que conservaba las canciones antiguas</translation>
    </message>
    <message>
        <source>the singer</source>
        <translation>la cantante</translation>
    </message>
    <message>
        <source>some ARNICA</source>
        <translation>un poco de ÁRNICA</translation>
    </message>
    <message>
        <source>Arnica will ease sore muscles and bruises from falls on the ice.  Lenoa hopes you will keep her songs too.</source>
        <translation>El árnica aliviará los músculos adoloridos y los moretones de las caídas en el hielo.  Lenoa espera que también conserves sus canciones.</translation>
    </message>
    <message>
        <source>A frozen spring among icy rocks, deep in a grey winter wood.</source>
        <translation>Un manantial congelado entre rocas heladas, en lo profundo de un bosque gris de invierno.</translation>
    </message>
    <message>
        <source>a Verunai writer who spoke up against the treaty</source>
        <translation>un escritor Verunai que alzó la voz contra el tratado</translation>
    </message>
    <message>
        <source>the writer</source>
        <translation>el escritor</translation>
    </message>
    <message>
        <source>some BITTERSWEET</source>
        <translation>un poco de DULCAMARA</translation>
    </message>
    <message>
        <source>A salve of bittersweet will heal sores and chapped skin.  With it, Tavin&apos;s hands could write again.</source>
        <translation>Una pomada de dulcamara curará las llagas y la piel agrietada.  Con ella, las manos de Tavin pudieron volver a escribir.</translation>
    </message>
    <message>
        <source>Bare, frozen fields with patches of snow along a rail fence under a grey sky.</source>
        <translation>Campos desnudos y congelados, con manchas de nieve a lo largo de una cerca de madera, bajo un cielo gris.</translation>
    </message>
    <message>
        <source>a settler boy who showed a Verunai boy how to start a fire</source>
        <translation>un niño colono que le enseñó a un niño Verunai a prender una fogata</translation>
    </message>
    <message>
        <source>the settler boy</source>
        <translation>el niño colono</translation>
    </message>
    <message>
        <source>some BIRCHBARK</source>
        <translation>un poco de CORTEZA DE ABEDUL</translation>
    </message>
    <message>
        <source>Birchbark will light your party&apos;s campfire even in wet weather.  Jacob&apos;s trick is yours now.</source>
        <translation>La corteza de abedul encenderá la fogata de tu grupo incluso con tiempo húmedo.  Ahora el truco de Jacob es tuyo.</translation>
    </message>
    <message>
        <source>A birch copse by a frozen ford in wet snow, with a small farm beyond the bare fields.</source>
        <translation>Un bosquecillo de abedules junto a un vado congelado, bajo la nieve húmeda, con una pequeña granja más allá de los campos desnudos.</translation>
    </message>
    <message>
        <source>a Verunai father who walked on for his children</source>
        <translation>un padre Verunai que siguió caminando por sus hijos</translation>
    </message>
    <message>
        <source>the father</source>
        <translation>el padre</translation>
    </message>
    <message>
        <source>some BUGLEWEED</source>
        <translation>un poco de LICOPO</translation>
    </message>
    <message>
        <source>Bugleweed tea will quiet a cough that will not stop.  Kenet made it for his wife; keep it with care.</source>
        <translation>El té de licopo calmará una tos que no se quita.  Kenet lo preparaba para su esposa; guárdalo con cuidado.</translation>
    </message>
    <message>
        <source>Small wooden markers under a lone tree beside the road at a grey dawn.</source>
        <translation>Pequeñas señales de madera bajo un árbol solitario junto al camino, en un amanecer gris.</translation>
    </message>
    <message>
        <source>a Verunai healer who cared for the sick and the hurt</source>
        <translation>una curandera Verunai que cuidaba a los enfermos y a los heridos</translation>
    </message>
    <message>
        <source>the healer</source>
        <translation>la curandera</translation>
    </message>
    <message>
        <source>some CALENDULA FLOWERS</source>
        <translation>unas FLORES DE CALÉNDULA</translation>
    </message>
    <message>
        <source>Calendula will help cuts and wounds heal cleanly.  Tsiwa&apos;s last flowers are in good hands.</source>
        <translation>La caléndula ayudará a que los cortes y las heridas sanen limpios.  Las últimas flores de Tsiwa están en buenas manos.</translation>
    </message>
    <message>
        <source>A river breaking up in the thaw, with mud and melting snow on its banks.</source>
        <translation>Un río cuyo hielo se rompe con el deshielo, con lodo y nieve que se derrite en sus orillas.</translation>
    </message>
    <message>
        <source>a free blacksmith who mended the wagons for nothing</source>
        <translation>un herrero libre que reparó las carretas sin cobrar nada</translation>
    </message>
    <message>
        <source>the blacksmith</source>
        <translation>el herrero</translation>
    </message>
    <message>
        <source>some GARLIC</source>
        <translation>un poco de AJO</translation>
    </message>
    <message>
        <source>Garlic will help your party fight off colds.  It is given as freely as Isaac gave his work.</source>
        <translation>El ajo ayudará a tu grupo a combatir los resfriados.  Se da sin pedir nada a cambio, igual que Isaac dio su trabajo.</translation>
    </message>
    <message>
        <source>A smithy with a glowing forge beside a muddy road, wagons waiting outside.</source>
        <translation>Una herrería con una fragua encendida y brillante junto a un camino lodoso, con carretas que esperan afuera.</translation>
    </message>
    <message>
        <source>a teacher who followed her pupils west</source>
        <translation>una maestra que siguió a sus alumnos hacia el oeste</translation>
    </message>
    <message>
        <source>the teacher</source>
        <translation>la maestra</translation>
    </message>
    <message>
        <source>some DOGWOOD BARK</source>
        <translation>un poco de CORTEZA DE CORNEJO</translation>
    </message>
    <message>
        <source>Dogwood bark tea will bring down a fever.  Eleanor wrote down how it was made, so that it would not be lost.</source>
        <translation>El té de corteza de cornejo bajará la fiebre.  Eleanor anotó cómo se preparaba, para que no se perdiera.</translation>
    </message>
    <message>
        <source>Open country in early spring, with a small log schoolhouse beside the trail.</source>
        <translation>Campo abierto a comienzos de la primavera, con una pequeña escuela de troncos junto al camino.</translation>
    </message>
    <message>
        <source>a Verunai elder who told the old stories by the fire</source>
        <translation>un anciano Verunai que contaba las historias antiguas junto al fuego</translation>
    </message>
    <message>
        <source>the elder</source>
        <translation>el anciano</translation>
    </message>
    <message>
        <source>some TULIP POPLAR</source>
        <translation>un poco de CORTEZA DE TULIPERO</translation>
    </message>
    <message>
        <source>Tulip poplar bark tea will give strength to the weary.  Rest when you can, Sonak says.</source>
        <translation>El té de corteza de tulipero les dará fuerzas a los cansados.  Descansen cuando puedan, dice Sonak.</translation>
    </message>
    <message>
        <source>A campfire on an open ridge at dusk, with the first green in the grass.</source>
        <translation>Una fogata en una loma abierta al anochecer, con la hierba que empieza a ponerse verde.</translation>
    </message>
    <message>
        <source>a Verunai girl who kept her mother&apos;s seeds safe all winter</source>
        <translation>una niña Verunai que mantuvo a salvo las semillas de su madre todo el invierno</translation>
    </message>
    <message>
        <source>the girl</source>
        <translation>la niña</translation>
    </message>
    <message>
        <source>some SAVORY</source>
        <translation>un poco de AJEDREA</translation>
    </message>
    <message>
        <source>Savory will flavour your party&apos;s stew and settle their stomachs.  A taste of home for the road.</source>
        <translation>La ajedrea le dará sabor al guiso de tu grupo y les asentará el estómago.  Un sabor a hogar para el camino.</translation>
    </message>
    <message>
        <source>A green meadow in early spring, with wildflowers and a meadowlark on a post.</source>
        <translation>Un prado verde a comienzos de la primavera, con flores silvestres y una alondra de los prados sobre un poste.</translation>
    </message>
    <message>
        <source>a young Verunai farmer who built a new home</source>
        <translation>un joven granjero Verunai que construyó un hogar nuevo</translation>
    </message>
    <message>
        <source>the farmer</source>
        <translation>el granjero</translation>
    </message>
    <message>
        <source>some SUMAC</source>
        <translation>un poco de ZUMAQUE</translation>
    </message>
    <message>
        <source>Sumac-berry water will cool sore throats and quench your party&apos;s thirst on the last miles.</source>
        <translation>El agua de bayas de zumaque refrescará las gargantas irritadas y le quitará la sed a tu grupo en el último tramo del camino.</translation>
    </message>
    <message>
        <source>A new log cabin going up beside fresh-ploughed fields in spring.</source>
        <translation>Una cabaña nueva de troncos que se está construyendo junto a campos recién arados, en primavera.</translation>
    </message>
    <message>
        <source>an old Verunai woman who walked the trail as a little girl</source>
        <translation>una anciana Verunai que recorrió el camino cuando era una niña pequeña</translation>
    </message>
    <message>
        <source>the old woman</source>
        <translation>la anciana</translation>
    </message>
    <message>
        <source>some SLIPPERY ELM BARK</source>
        <translation>un poco de CORTEZA DE OLMO ROJO</translation>
    </message>
    <message>
        <source>Slippery elm bark will soothe a sore throat and feed your party when food runs short.  Naliwa smiles: now her story lives on in you.</source>
        <translation>La corteza de olmo rojo aliviará el dolor de garganta y alimentará a tu grupo cuando escasee la comida.  Naliwa sonríe: ahora su historia sigue viva en ti.</translation>
    </message>
    <message>
        <source>A river valley at sunrise in spring, with smoke rising from new homes.</source>
        <translation>El valle de un río al amanecer, en primavera, con humo que sube de las casas nuevas.</translation>
    </message>
    <message>
        <source>A map of the country around the old homeland.</source>
        <translation>Un mapa de la región que rodea la antigua tierra natal.</translation>
    </message>
    <message>
        <source>a Verunai girl who walked this Trail nearly two hundred years ago</source>
        <translation>una niña Verunai que recorrió este Camino hace casi doscientos años</translation>
    </message>
    <message>
        <source>the Verunai girl</source>
        <translation>la niña Verunai</translation>
    </message>
    <message>
        <source>some SNAKEROOT</source>
        <translation>un poco de SERPENTARIA</translation>
    </message>
    <message>
        <source>Snakeroot will be very useful to your party if someone is bitten by a snake, so it was a very good trade!</source>
        <translation>¡La serpentaria le será muy útil a tu grupo si a alguien lo muerde una serpiente, así que fue un muy buen trueque!</translation>
    </message>
    <message>
        <source>A meadow above a river at dusk, with pines on either side.</source>
        <translation>Un prado sobre un río al anochecer, con pinos a ambos lados.</translation>
    </message>
    <message>
        <source>a young trapper who lived in this area long ago</source>
        <translation>un joven trampero que vivió en esta zona hace mucho tiempo</translation>
    </message>
    <message>
        <source>the trapper</source>
        <translation>el trampero</translation>
    </message>
    <message>
        <source>You&apos;ll need the bear oil as an ointment if anyone in your party catches pneumonia, so it was a very good trade!</source>
        <translation>¡Necesitarás el aceite de oso como ungüento si a alguien de tu grupo le da neumonía, así que fue un muy buen trueque!</translation>
    </message>
    <message>
        <source>A cabin by a spring at the edge of a pine forest.</source>
        <translation>Una cabaña junto a un manantial, al borde de un bosque de pinos.</translation>
    </message>
</context>
<context>
    <name>Trade</name>
    <message>
        <source>some snakeroot</source>
        <translation>un poco de serpentaria</translation>
    </message>
    <message>
        <source>bear oil</source>
        <translation>aceite de oso</translation>
    </message>
    <message>
        <source>some aloe</source>
        <translation>un poco de sábila</translation>
    </message>
    <message>
        <source>ginger tea</source>
        <translation>té de jengibre</translation>
    </message>
    <message>
        <source>little deer&apos;s horn talisman</source>
        <translation>pequeño talismán de cuerno de venado</translation>
    </message>
    <message>
        <source>some cayenne pepper</source>
        <translation>un poco de pimienta de cayena</translation>
    </message>
    <message>
        <source>bear-hunting spear</source>
        <translation>lanza para cazar osos</translation>
    </message>
    <message>
        <source>some willow bark</source>
        <translation>un poco de corteza de sauce</translation>
    </message>
    <message>
        <source>some boneset</source>
        <translation>un poco de eupatorio</translation>
    </message>
    <message>
        <source>some lobelia ointment</source>
        <translation>un poco de ungüento de lobelia</translation>
    </message>
    <message>
        <source>some lemon balm</source>
        <translation>un poco de toronjil</translation>
    </message>
    <message>
        <source>some blood root</source>
        <translation>un poco de raíz de sanguinaria</translation>
    </message>
    <message>
        <source>blackberry tea</source>
        <translation>té de zarzamora</translation>
    </message>
    <message>
        <source>some cranesbill</source>
        <translation>un poco de geranio silvestre</translation>
    </message>
    <message>
        <source>some spruce pitch</source>
        <translation>un poco de resina de abeto</translation>
    </message>
    <message>
        <source>some bear oil</source>
        <translation>un poco de aceite de oso</translation>
    </message>
    <message>
        <source>some arnica</source>
        <translation>un poco de árnica</translation>
    </message>
    <message>
        <source>some bittersweet</source>
        <translation>un poco de dulcamara</translation>
    </message>
    <message>
        <source>some birchbark</source>
        <translation>un poco de corteza de abedul</translation>
    </message>
    <message>
        <source>some bugleweed</source>
        <translation>un poco de licopo</translation>
    </message>
    <message>
        <source>calendula flower</source>
        <translation>flor de caléndula</translation>
    </message>
    <message>
        <source>some garlic</source>
        <translation>un poco de ajo</translation>
    </message>
    <message>
        <source>some dogwood bark</source>
        <translation>un poco de corteza de cornejo</translation>
    </message>
    <message>
        <source>some tulip poplar</source>
        <translation>un poco de corteza de tulipero</translation>
    </message>
    <message>
        <source>some savory</source>
        <translation>un poco de ajedrea</translation>
    </message>
    <message>
        <source>some sumac</source>
        <translation>un poco de zumaque</translation>
    </message>
    <message>
        <source>some slippery elm bark</source>
        <translation>un poco de corteza de olmo rojo</translation>
    </message>
    <message>
        <source>some firewood</source>
        <translation>un poco de leña</translation>
    </message>
    <message>
        <source>some colored rocks</source>
        <translation>unas piedras de colores</translation>
    </message>
    <message>
        <source>some turtle shells</source>
        <translation>unos caparazones de tortuga</translation>
    </message>
    <message>
        <source>some beads</source>
        <translation>unas cuentas</translation>
    </message>
    <message>
        <source>some sassafrass tea</source>
        <translation>un poco de té de sasafrás</translation>
    </message>
    <message>
        <source>some bird feathers</source>
        <translation>unas plumas de pájaro</translation>
    </message>
    <message>
        <source>some reed whistles</source>
        <translation>unos silbatos de caña</translation>
    </message>
    <message>
        <source>some fishing worms</source>
        <translation>unas lombrices para pescar</translation>
    </message>
    <message>
        <source>some cooking herbs</source>
        <translation>unas hierbas para cocinar</translation>
    </message>
    <message>
        <source>some fish oil</source>
        <translation>un poco de aceite de pescado</translation>
    </message>
    <message>
        <source>some advice</source>
        <translation>unos consejos</translation>
    </message>
    <message>
        <source>some pebbles</source>
        <translation>unas piedritas</translation>
    </message>
    <message>
        <source>some seeds</source>
        <translation>unas semillas</translation>
    </message>
    <message>
        <source>some bits of string</source>
        <translation>unos pedacitos de cuerda</translation>
    </message>
    <message>
        <source>some bugs</source>
        <translation>unos bichos</translation>
    </message>
    <message>
        <source>some grass</source>
        <translation>un poco de pasto</translation>
    </message>
    <message>
        <source>some dirt</source>
        <translation>un poco de tierra</translation>
    </message>
    <message>
        <source>some leaves</source>
        <translation>unas hojas</translation>
    </message>
    <message>
        <source>some good wishes</source>
        <translation>unos buenos deseos</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>Walk at the pace of the slowest, so that no one is left behind.</source>
        <translation>Caminen al paso del más lento, para que nadie se quede atrás.</translation>
    </message>
    <message>
        <source>Fill your water gourd at every clean spring, for the next may be far.</source>
        <translation>Llenen su cantimplora de calabaza en cada manantial limpio, porque el siguiente puede estar lejos.</translation>
    </message>
    <message>
        <source>Mend your moccasins before they wear through, and keep your feet dry.</source>
        <translation>Remienden sus mocasines antes de que se agujereen, y mantengan los pies secos.</translation>
    </message>
    <message>
        <source>Rest before you are weary, and eat before you are weak.</source>
        <translation>Descansen antes de cansarse, y coman antes de debilitarse.</translation>
    </message>
    <message>
        <source>Make camp while there is still light to gather wood.</source>
        <translation>Acampen mientras todavía haya luz para juntar leña.</translation>
    </message>
    <message>
        <source>Share your fire and your food, and the road is lighter for everyone.</source>
        <translation>Compartan su fuego y su comida, y el camino se hace más liviano para todos.</translation>
    </message>
</context>
<context>
    <name>Transitions</name>
    <message>
        <source>Screen transition</source>
        <translation>Transición de pantalla</translation>
    </message>
</context>
<context>
    <name>Wellbeing</name>
    <message>
        <source>has a burned hand.</source>
        <translation>tiene una mano quemada.</translation>
    </message>
    <message>
        <source>has a chill.</source>
        <translation>tiene escalofríos.</translation>
    </message>
    <message>
        <source>has a fever and aches.</source>
        <translation>tiene fiebre y dolores.</translation>
    </message>
    <message>
        <source>has a bad cough.</source>
        <translation>tiene una tos fuerte.</translation>
    </message>
    <message>
        <source>has a sore throat.</source>
        <translation>tiene dolor de garganta.</translation>
    </message>
    <message>
        <source>has an upset stomach.</source>
        <translation>tiene el estómago revuelto.</translation>
    </message>
    <message>
        <source>is sick from bad water.</source>
        <translation>se enfermó por el agua mala.</translation>
    </message>
    <message>
        <source>has frostbitten skin.</source>
        <translation>tiene la piel quemada por el frío.</translation>
    </message>
    <message>
        <source>has sore muscles and bruises.</source>
        <translation>tiene los músculos adoloridos y moretones.</translation>
    </message>
    <message>
        <source>has sores and chapped skin.</source>
        <translation>tiene llagas y la piel agrietada.</translation>
    </message>
    <message>
        <source>has a cut hand.</source>
        <translation>tiene un corte en la mano.</translation>
    </message>
    <message>
        <source>has a cold.</source>
        <translation>tiene un resfriado.</translation>
    </message>
    <message>
        <source>is weary.</source>
        <translation>tiene mucho cansancio.</translation>
    </message>
    <message>
        <source>is worried and sleeps badly.</source>
        <translation>tiene preocupaciones y duerme mal.</translation>
    </message>
    <message>
        <source>is healing from a snakebite.</source>
        <translation>se está curando de una mordedura de serpiente.</translation>
    </message>
    <message>
        <source>has burned a hand on the hot kettle at the campfire.</source>
        <translation>se quemó una mano con la olla caliente de la fogata.</translation>
    </message>
    <message>
        <source>has caught a chill in the freezing wind.</source>
        <translation>tiene escalofríos por el viento helado.</translation>
    </message>
    <message>
        <source>has a fever and aches all over.</source>
        <translation>tiene fiebre y le duele todo el cuerpo.</translation>
    </message>
    <message>
        <source>has a bad cough that will not go away.</source>
        <translation>tiene una tos fuerte que no se quita.</translation>
    </message>
    <message>
        <source>has woken up with a sore throat.</source>
        <translation>se despertó con dolor de garganta.</translation>
    </message>
    <message>
        <source>is sick from drinking bad water.</source>
        <translation>se enfermó por beber agua mala.</translation>
    </message>
    <message>
        <source>has frostbitten toes and cheeks from the icy wind.</source>
        <translation>tiene los dedos de los pies y las mejillas quemados por el viento helado.</translation>
    </message>
    <message>
        <source>has slipped on the ice and is bruised and sore.</source>
        <translation>se resbaló en el hielo y tiene moretones y dolores.</translation>
    </message>
    <message>
        <source>has sores and chapped skin from the cold.</source>
        <translation>tiene llagas y la piel agrietada por el frío.</translation>
    </message>
    <message>
        <source>has cut a hand gathering firewood.</source>
        <translation>se cortó una mano al recoger leña.</translation>
    </message>
    <message>
        <source>has caught a cold in the wet weather.</source>
        <translation>se resfrió con el tiempo húmedo.</translation>
    </message>
    <message>
        <source>is weary from the long walk.</source>
        <translation>tiene mucho cansancio por la larga caminata.</translation>
    </message>
    <message>
        <source>is worried and cannot sleep.</source>
        <translation>tiene preocupaciones y no puede dormir.</translation>
    </message>
    <message>
        <source>was bitten by a snake!</source>
        <translation>¡recibió una mordedura de serpiente!</translation>
    </message>
    <message>
        <source>snakeroot tea</source>
        <translation>té de serpentaria</translation>
    </message>
    <message>
        <source>bear oil rubbed on the chest</source>
        <translation>aceite de oso frotado en el pecho</translation>
    </message>
    <message>
        <source>aloe</source>
        <translation>sábila</translation>
    </message>
    <message>
        <source>ginger tea</source>
        <translation>té de jengibre</translation>
    </message>
    <message>
        <source>the deer&apos;s horn talisman to hold</source>
        <translation>el talismán de cuerno de venado para sostener</translation>
    </message>
    <message>
        <source>cayenne pepper in the moccasins</source>
        <translation>pimienta de cayena en los mocasines</translation>
    </message>
    <message>
        <source>willow bark tea</source>
        <translation>té de corteza de sauce</translation>
    </message>
    <message>
        <source>boneset tea</source>
        <translation>té de eupatorio</translation>
    </message>
    <message>
        <source>lobelia ointment</source>
        <translation>ungüento de lobelia</translation>
    </message>
    <message>
        <source>lemon balm tea</source>
        <translation>té de toronjil</translation>
    </message>
    <message>
        <source>blood root</source>
        <translation>raíz de sanguinaria</translation>
    </message>
    <message>
        <source>blackberry tea</source>
        <translation>té de zarzamora</translation>
    </message>
    <message>
        <source>cranesbill</source>
        <translation>geranio silvestre</translation>
    </message>
    <message>
        <source>spruce pitch</source>
        <translation>resina de abeto</translation>
    </message>
    <message>
        <source>bear oil on the skin</source>
        <translation>aceite de oso en la piel</translation>
    </message>
    <message>
        <source>arnica</source>
        <translation>árnica</translation>
    </message>
    <message>
        <source>bittersweet salve</source>
        <translation>pomada de dulcamara</translation>
    </message>
    <message>
        <source>a birchbark fire to get warm by</source>
        <translation>un fuego de corteza de abedul para calentarse</translation>
    </message>
    <message>
        <source>bugleweed tea</source>
        <translation>té de licopo</translation>
    </message>
    <message>
        <source>calendula</source>
        <translation>caléndula</translation>
    </message>
    <message>
        <source>garlic</source>
        <translation>ajo</translation>
    </message>
    <message>
        <source>dogwood bark tea</source>
        <translation>té de corteza de cornejo</translation>
    </message>
    <message>
        <source>tulip poplar bark tea</source>
        <translation>té de corteza de tulipero</translation>
    </message>
    <message>
        <source>savory in the stew</source>
        <translation>ajedrea en el guiso</translation>
    </message>
    <message>
        <source>sumac-berry water</source>
        <translation>agua de bayas de zumaque</translation>
    </message>
    <message>
        <source>slippery elm bark</source>
        <translation>corteza de olmo rojo</translation>
    </message>
    <message>
        <source>hot tea</source>
        <translation>té caliente</translation>
    </message>
    <message>
        <source>a jar of honey</source>
        <translation>un frasco de miel</translation>
    </message>
    <message>
        <source>Let %1 rest by the fire.</source>
        <translation>Dejar que %1 descanse junto al fuego.</translation>
    </message>
    <message>
        <source>Give %1 %2.</source>
        <translation>Darle a %1 %2.</translation>
    </message>
</context>
<context>
    <name>media::VolumeDialog</name>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>&amp;Volume of music, voices and sounds:</source>
        <translation>&amp;Volumen de la música, las voces y los sonidos:</translation>
    </message>
    <message>
        <source>Left and right arrows change it a little, Page Up and Page Down a lot.</source>
        <translation>Las flechas izquierda y derecha lo cambian un poco; Re Pág y Av Pág, mucho.</translation>
    </message>
</context>
</TS>

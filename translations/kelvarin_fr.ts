<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Chapters</name>
    <message>
        <source>first</source>
        <translation>première</translation>
    </message>
    <message>
        <source>second</source>
        <translation>deuxième</translation>
    </message>
    <message>
        <source>third</source>
        <translation>troisième</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quatrième</translation>
    </message>
    <message>
        <source>This is the end of the %1 part of your journey.  You can stop here: your journey is saved.  Next time, choose your party&apos;s name at the flea market to go on.</source>
        <translation>C&apos;est la fin de la %1 partie de ton voyage.  Tu peux t&apos;arrêter ici : ton voyage est enregistré.  La prochaine fois, choisis le nom de ton groupe au marché aux puces pour continuer.</translation>
    </message>
    <message>
        <source>Open the journal (File menu, or Ctrl+J) to think over this part&apos;s questions together.</source>
        <translation>Ouvre le journal (menu Fichier, ou Ctrl+J) pour réfléchir ensemble aux questions de cette partie.</translation>
    </message>
    <message>
        <source>The Autumn Hills</source>
        <translation>Les Collines d&apos;automne</translation>
    </message>
    <message>
        <source>The First Snow</source>
        <translation>La Première Neige</translation>
    </message>
    <message>
        <source>The Frozen Rivers</source>
        <translation>Les Rivières gelées</translation>
    </message>
    <message>
        <source>The Thaw</source>
        <translation>Le Dégel</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>This name cannot be used: %1.  Please choose a shorter name.</source>
        <translation>Ce nom ne peut pas être utilisé : %1.  Choisis un nom plus court, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.  Do you want to replace it?</source>
        <translation>&quot;%1&quot; existe déjà.  Veux-tu le remplacer ?</translation>
    </message>
</context>
<context>
    <name>Fish</name>
    <message>
        <source> bluegill</source>
        <translation> de crapet arlequin</translation>
    </message>
    <message>
        <source> white bass</source>
        <translation> de bar blanc</translation>
    </message>
    <message>
        <source> smallmouth bass</source>
        <translation> d&apos;achigan à petite bouche</translation>
    </message>
    <message>
        <source> blue catfish</source>
        <translation> de barbue bleue</translation>
    </message>
    <message>
        <source> rainbow trout</source>
        <translation> de truite arc-en-ciel</translation>
    </message>
    <message>
        <source> brown trout</source>
        <translation> de truite brune</translation>
    </message>
    <message>
        <source> largemouth bass</source>
        <translation> d&apos;achigan à grande bouche</translation>
    </message>
    <message>
        <source> brook trout</source>
        <translation> d&apos;omble de fontaine</translation>
    </message>
    <message>
        <source> brown bullhead</source>
        <translation> de barbotte brune</translation>
    </message>
</context>
<context>
    <name>FishingOuting</name>
    <message>
        <source>Click on the water to cast.  When the cursor changes, you are on a good spot.</source>
        <translation>Clique sur l&apos;eau pour lancer.  Quand le pointeur change, tu es à un bon endroit.</translation>
    </message>
    <message>
        <source>You missed it that time!  The fish took your bait -- cast again.</source>
        <translation>Raté cette fois !  Le poisson a pris ton appât : lance encore.</translation>
    </message>
    <message>
        <source>Now quickly click on the rod to reel in the fish!</source>
        <translation>Vite, clique sur la canne pour remonter le poisson !</translation>
    </message>
    <message>
        <source>A fish is biting!  Pull in the rod now.</source>
        <translation>Un poisson mord !  Tire la canne maintenant.</translation>
    </message>
    <message>
        <source>You caught a fish!  %1%2.</source>
        <translation>Tu as pêché un poisson !  %1%2.</translation>
    </message>
    <message>
        <source>Where the line will be cast</source>
        <translation>Où la ligne sera lancée</translation>
    </message>
</context>
<context>
    <name>Goods</name>
    <message numerus="yes">
        <source>cucumber</source>
        <translation>
            <numerusform>concombre</numerusform>
            <numerusform>concombres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>zuccini</source>
        <translation>
            <numerusform>courgette</numerusform>
            <numerusform>courgettes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>watermelon</source>
        <translation>
            <numerusform>pastèque</numerusform>
            <numerusform>pastèques</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of radishes</source>
        <translation>
            <numerusform>sac de radis</numerusform>
            <numerusform>sacs de radis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of strawberries</source>
        <translation>
            <numerusform>panier de fraises</numerusform>
            <numerusform>paniers de fraises</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of peaches</source>
        <translation>
            <numerusform>panier de pêches</numerusform>
            <numerusform>paniers de pêches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of pears</source>
        <translation>
            <numerusform>panier de poires</numerusform>
            <numerusform>paniers de poires</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of plums</source>
        <translation>
            <numerusform>panier de prunes</numerusform>
            <numerusform>paniers de prunes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of oranges</source>
        <translation>
            <numerusform>panier d&apos;oranges</numerusform>
            <numerusform>paniers d&apos;oranges</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of nectarines</source>
        <translation>
            <numerusform>panier de nectarines</numerusform>
            <numerusform>paniers de nectarines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of sweet corn</source>
        <translation>
            <numerusform>panier de maïs sucré</numerusform>
            <numerusform>paniers de maïs sucré</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of mushrooms</source>
        <translation>
            <numerusform>panier de champignons</numerusform>
            <numerusform>paniers de champignons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of red apples</source>
        <translation>
            <numerusform>sac de pommes rouges</numerusform>
            <numerusform>sacs de pommes rouges</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of yellow apples</source>
        <translation>
            <numerusform>sac de pommes jaunes</numerusform>
            <numerusform>sacs de pommes jaunes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>muskmelon</source>
        <translation>
            <numerusform>melon musqué</numerusform>
            <numerusform>melons musqués</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cantelope</source>
        <translation>
            <numerusform>cantaloup</numerusform>
            <numerusform>cantaloups</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of grapes</source>
        <translation>
            <numerusform>grappe de raisins</numerusform>
            <numerusform>grappes de raisins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of onions</source>
        <translation>
            <numerusform>sac d&apos;oignons</numerusform>
            <numerusform>sacs d&apos;oignons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of carrots</source>
        <translation>
            <numerusform>sac de carottes</numerusform>
            <numerusform>sacs de carottes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of celery</source>
        <translation>
            <numerusform>sac de céleri</numerusform>
            <numerusform>sacs de céleri</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pumpkin</source>
        <translation>
            <numerusform>citrouille</numerusform>
            <numerusform>citrouilles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of yellow peppers</source>
        <translation>
            <numerusform>sac de poivrons jaunes</numerusform>
            <numerusform>sacs de poivrons jaunes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of green beans</source>
        <translation>
            <numerusform>panier de haricots verts</numerusform>
            <numerusform>paniers de haricots verts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket of tomatoes</source>
        <translation>
            <numerusform>panier de tomates</numerusform>
            <numerusform>paniers de tomates</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pack of pumpkin seeds</source>
        <translation>
            <numerusform>sachet de graines de citrouille</numerusform>
            <numerusform>sachets de graines de citrouille</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pack of flower seeds</source>
        <translation>
            <numerusform>sachet de graines de fleurs</numerusform>
            <numerusform>sachets de graines de fleurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pack of radish seeds</source>
        <translation>
            <numerusform>sachet de graines de radis</numerusform>
            <numerusform>sachets de graines de radis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pack of cucumber seeds</source>
        <translation>
            <numerusform>sachet de graines de concombre</numerusform>
            <numerusform>sachets de graines de concombre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pack of lettuce seeds</source>
        <translation>
            <numerusform>sachet de graines de laitue</numerusform>
            <numerusform>sachets de graines de laitue</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pack of watermelon seeds</source>
        <translation>
            <numerusform>sachet de graines de pastèque</numerusform>
            <numerusform>sachets de graines de pastèque</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pack of sweet corn seeds</source>
        <translation>
            <numerusform>sachet de graines de maïs sucré</numerusform>
            <numerusform>sachets de graines de maïs sucré</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pack of tomato seeds</source>
        <translation>
            <numerusform>sachet de graines de tomate</numerusform>
            <numerusform>sachets de graines de tomate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bundle of straw</source>
        <translation>
            <numerusform>botte de paille</numerusform>
            <numerusform>bottes de paille</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>straw hat</source>
        <translation>
            <numerusform>chapeau de paille</numerusform>
            <numerusform>chapeaux de paille</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of chrysanthemums</source>
        <translation>
            <numerusform>bouquet de chrysanthèmes</numerusform>
            <numerusform>bouquets de chrysanthèmes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of zenias</source>
        <translation>
            <numerusform>bouquet de zinnias</numerusform>
            <numerusform>bouquets de zinnias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of orange dahlias</source>
        <translation>
            <numerusform>bouquet de dahlias orange</numerusform>
            <numerusform>bouquets de dahlias orange</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of autumn clematis</source>
        <translation>
            <numerusform>bouquet de clématites d&apos;automne</numerusform>
            <numerusform>bouquets de clématites d&apos;automne</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of sumac berries</source>
        <translation>
            <numerusform>grappe de baies de sumac</numerusform>
            <numerusform>grappes de baies de sumac</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of goldenrod</source>
        <translation>
            <numerusform>bouquet de verges d&apos;or</numerusform>
            <numerusform>bouquets de verges d&apos;or</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of asters</source>
        <translation>
            <numerusform>bouquet d&apos;asters</numerusform>
            <numerusform>bouquets d&apos;asters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of yellow coreopsis</source>
        <translation>
            <numerusform>bouquet de coréopsis jaunes</numerusform>
            <numerusform>bouquets de coréopsis jaunes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wooden crate</source>
        <translation>
            <numerusform>caisse en bois</numerusform>
            <numerusform>caisses en bois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wooden box</source>
        <translation>
            <numerusform>boîte en bois</numerusform>
            <numerusform>boîtes en bois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>basket</source>
        <translation>
            <numerusform>panier</numerusform>
            <numerusform>paniers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pail</source>
        <translation>
            <numerusform>seau</numerusform>
            <numerusform>seaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>large jug</source>
        <translation>
            <numerusform>grande cruche</numerusform>
            <numerusform>grandes cruches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>small jug</source>
        <translation>
            <numerusform>petite cruche</numerusform>
            <numerusform>petites cruches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of alyssum</source>
        <translation>
            <numerusform>bouquet d&apos;alysse</numerusform>
            <numerusform>bouquets d&apos;alysse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>boy straw doll</source>
        <translation>
            <numerusform>poupée garçon en paille</numerusform>
            <numerusform>poupées garçons en paille</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>girl straw doll</source>
        <translation>
            <numerusform>poupée fille en paille</numerusform>
            <numerusform>poupées filles en paille</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of marigolds</source>
        <translation>
            <numerusform>bouquet de soucis</numerusform>
            <numerusform>bouquets de soucis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of daisies</source>
        <translation>
            <numerusform>bouquet de marguerites</numerusform>
            <numerusform>bouquets de marguerites</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>flower pot</source>
        <translation>
            <numerusform>pot de fleurs</numerusform>
            <numerusform>pots de fleurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of potting soil</source>
        <translation>
            <numerusform>sac de terreau</numerusform>
            <numerusform>sacs de terreau</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of peat moss</source>
        <translation>
            <numerusform>sac de mousse de tourbe</numerusform>
            <numerusform>sacs de mousse de tourbe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of fertilizer</source>
        <translation>
            <numerusform>sac d&apos;engrais</numerusform>
            <numerusform>sacs d&apos;engrais</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>garden spade</source>
        <translation>
            <numerusform>bêche de jardin</numerusform>
            <numerusform>bêches de jardin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bird house</source>
        <translation>
            <numerusform>cabane à oiseaux</numerusform>
            <numerusform>cabanes à oiseaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>whistle</source>
        <translation>
            <numerusform>sifflet</numerusform>
            <numerusform>sifflets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wind sock decoration</source>
        <translation>
            <numerusform>manche à air décorative</numerusform>
            <numerusform>manches à air décoratives</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>spinning lawn ornament</source>
        <translation>
            <numerusform>ornement de pelouse tournant</numerusform>
            <numerusform>ornements de pelouse tournants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>multicolored banner</source>
        <translation>
            <numerusform>bannière multicolore</numerusform>
            <numerusform>bannières multicolores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>multicolored streamer</source>
        <translation>
            <numerusform>banderole multicolore</numerusform>
            <numerusform>banderoles multicolores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>butterfly flag</source>
        <translation>
            <numerusform>drapeau avec un papillon</numerusform>
            <numerusform>drapeaux avec un papillon</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>plastic dragonfly</source>
        <translation>
            <numerusform>libellule en plastique</numerusform>
            <numerusform>libellules en plastique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>plastic spider</source>
        <translation>
            <numerusform>araignée en plastique</numerusform>
            <numerusform>araignées en plastique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic frog</source>
        <translation>
            <numerusform>grenouille en céramique</numerusform>
            <numerusform>grenouilles en céramique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>red flag</source>
        <translation>
            <numerusform>drapeau rouge</numerusform>
            <numerusform>drapeaux rouges</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>white flag</source>
        <translation>
            <numerusform>drapeau blanc</numerusform>
            <numerusform>drapeaux blancs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>flower ornament</source>
        <translation>
            <numerusform>ornement floral</numerusform>
            <numerusform>ornements floraux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>badmitten set</source>
        <translation>
            <numerusform>jeu de badminton</numerusform>
            <numerusform>jeux de badminton</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>large pinwheel</source>
        <translation>
            <numerusform>grand moulinet à vent</numerusform>
            <numerusform>grands moulinets à vent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>small pinwheel</source>
        <translation>
            <numerusform>petit moulinet à vent</numerusform>
            <numerusform>petits moulinets à vent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>white gloves</source>
        <translation>
            <numerusform>paire de gants blancs</numerusform>
            <numerusform>paires de gants blancs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>moon and stars banner</source>
        <translation>
            <numerusform>bannière de lune et d&apos;étoiles</numerusform>
            <numerusform>bannières de lune et d&apos;étoiles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>red and white flag</source>
        <translation>
            <numerusform>drapeau rouge et blanc</numerusform>
            <numerusform>drapeaux rouge et blanc</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>black and white flag</source>
        <translation>
            <numerusform>drapeau noir et blanc</numerusform>
            <numerusform>drapeaux noir et blanc</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>flower lawn decoration</source>
        <translation>
            <numerusform>décoration de pelouse en forme de fleur</numerusform>
            <numerusform>décorations de pelouse en forme de fleur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>baseball</source>
        <translation>
            <numerusform>balle de baseball</numerusform>
            <numerusform>balles de baseball</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>baseball bat</source>
        <translation>
            <numerusform>bâton de baseball</numerusform>
            <numerusform>bâtons de baseball</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lady bug costume</source>
        <translation>
            <numerusform>déguisement de coccinelle</numerusform>
            <numerusform>déguisements de coccinelle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pumpkin costume</source>
        <translation>
            <numerusform>déguisement de citrouille</numerusform>
            <numerusform>déguisements de citrouille</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>baby doll</source>
        <translation>
            <numerusform>poupée bébé</numerusform>
            <numerusform>poupées bébés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rainslicker</source>
        <translation>
            <numerusform>imperméable</numerusform>
            <numerusform>imperméables</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>camouflage shirt</source>
        <translation>
            <numerusform>chemise de camouflage</numerusform>
            <numerusform>chemises de camouflage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pair of camouflage pants</source>
        <translation>
            <numerusform>pantalon de camouflage</numerusform>
            <numerusform>pantalons de camouflage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>white fringed skirt</source>
        <translation>
            <numerusform>jupe blanche à franges</numerusform>
            <numerusform>jupes blanches à franges</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>white boots</source>
        <translation>
            <numerusform>paire de bottes blanches</numerusform>
            <numerusform>paires de bottes blanches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>white sundress</source>
        <translation>
            <numerusform>robe d&apos;été blanche</numerusform>
            <numerusform>robes d&apos;été blanches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>white handkerchief</source>
        <translation>
            <numerusform>mouchoir blanc</numerusform>
            <numerusform>mouchoirs blancs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>multi-colored handkerchief</source>
        <translation>
            <numerusform>mouchoir multicolore</numerusform>
            <numerusform>mouchoirs multicolores</numerusform>
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
            <numerusform>sacoche de selle</numerusform>
            <numerusform>sacoches de selle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bridle</source>
        <translation>
            <numerusform>bride</numerusform>
            <numerusform>brides</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horse bit</source>
        <translation>
            <numerusform>mors pour cheval</numerusform>
            <numerusform>mors pour cheval</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>saddle pad</source>
        <translation>
            <numerusform>tapis de selle</numerusform>
            <numerusform>tapis de selle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>saddle blanket</source>
        <translation>
            <numerusform>couverture de selle</numerusform>
            <numerusform>couvertures de selle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stirrup</source>
        <translation>
            <numerusform>étrier</numerusform>
            <numerusform>étriers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>harness</source>
        <translation>
            <numerusform>harnais</numerusform>
            <numerusform>harnais</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>spurs</source>
        <translation>
            <numerusform>paire d&apos;éperons</numerusform>
            <numerusform>paires d&apos;éperons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>noseband</source>
        <translation>
            <numerusform>muserolle</numerusform>
            <numerusform>muserolles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tiedown</source>
        <translation>
            <numerusform>martingale fixe</numerusform>
            <numerusform>martingales fixes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pair of chaps</source>
        <translation>
            <numerusform>paire de jambières de cowboy</numerusform>
            <numerusform>paires de jambières de cowboy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>browband</source>
        <translation>
            <numerusform>frontal</numerusform>
            <numerusform>frontaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horse rein</source>
        <translation>
            <numerusform>rêne pour cheval</numerusform>
            <numerusform>rênes pour cheval</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horse halter</source>
        <translation>
            <numerusform>licou pour cheval</numerusform>
            <numerusform>licous pour cheval</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horse lead</source>
        <translation>
            <numerusform>longe pour cheval</numerusform>
            <numerusform>longes pour cheval</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pair of boots</source>
        <translation>
            <numerusform>paire de bottes</numerusform>
            <numerusform>paires de bottes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pair of bell boots</source>
        <translation>
            <numerusform>paire de cloches pour cheval</numerusform>
            <numerusform>paires de cloches pour cheval</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horse crop</source>
        <translation>
            <numerusform>cravache pour cheval</numerusform>
            <numerusform>cravaches pour cheval</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horse whip</source>
        <translation>
            <numerusform>fouet pour cheval</numerusform>
            <numerusform>fouets pour cheval</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>riding helmet</source>
        <translation>
            <numerusform>casque d&apos;équitation</numerusform>
            <numerusform>casques d&apos;équitation</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stall mat</source>
        <translation>
            <numerusform>tapis d&apos;écurie</numerusform>
            <numerusform>tapis d&apos;écurie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horse brush</source>
        <translation>
            <numerusform>brosse pour cheval</numerusform>
            <numerusform>brosses pour cheval</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horse muzzle</source>
        <translation>
            <numerusform>muselière pour cheval</numerusform>
            <numerusform>muselières pour cheval</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cowboy hat</source>
        <translation>
            <numerusform>chapeau de cowboy</numerusform>
            <numerusform>chapeaux de cowboy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>anthropology book</source>
        <translation>
            <numerusform>livre d&apos;anthropologie</numerusform>
            <numerusform>livres d&apos;anthropologie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verunai costume book</source>
        <translation>
            <numerusform>livre sur les costumes Verunai</numerusform>
            <numerusform>livres sur les costumes Verunai</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verunai language book</source>
        <translation>
            <numerusform>livre sur la langue Verunai</numerusform>
            <numerusform>livres sur la langue Verunai</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verunai dance book</source>
        <translation>
            <numerusform>livre sur les danses Verunai</numerusform>
            <numerusform>livres sur les danses Verunai</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>world history book</source>
        <translation>
            <numerusform>livre d&apos;histoire du monde</numerusform>
            <numerusform>livres d&apos;histoire du monde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>geography book</source>
        <translation>
            <numerusform>livre de géographie</numerusform>
            <numerusform>livres de géographie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>world atlas</source>
        <translation>
            <numerusform>atlas du monde</numerusform>
            <numerusform>atlas du monde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>medical reference book</source>
        <translation>
            <numerusform>livre de référence médicale</numerusform>
            <numerusform>livres de référence médicale</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>romance novel</source>
        <translation>
            <numerusform>roman d&apos;amour</numerusform>
            <numerusform>romans d&apos;amour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>chemistry book</source>
        <translation>
            <numerusform>livre de chimie</numerusform>
            <numerusform>livres de chimie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>earth science book</source>
        <translation>
            <numerusform>livre de sciences de la Terre</numerusform>
            <numerusform>livres de sciences de la Terre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>botany book</source>
        <translation>
            <numerusform>livre de botanique</numerusform>
            <numerusform>livres de botanique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bible</source>
        <translation>
            <numerusform>bible</numerusform>
            <numerusform>bibles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>biology book</source>
        <translation>
            <numerusform>livre de biologie</numerusform>
            <numerusform>livres de biologie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>comic book</source>
        <translation>
            <numerusform>bande dessinée</numerusform>
            <numerusform>bandes dessinées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>agriculture book</source>
        <translation>
            <numerusform>livre d&apos;agriculture</numerusform>
            <numerusform>livres d&apos;agriculture</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cookbook</source>
        <translation>
            <numerusform>livre de cuisine</numerusform>
            <numerusform>livres de cuisine</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book about birds</source>
        <translation>
            <numerusform>livre sur les oiseaux</numerusform>
            <numerusform>livres sur les oiseaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>military history book</source>
        <translation>
            <numerusform>livre d&apos;histoire militaire</numerusform>
            <numerusform>livres d&apos;histoire militaire</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Spanish book</source>
        <translation>
            <numerusform>livre d&apos;espagnol</numerusform>
            <numerusform>livres d&apos;espagnol</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>German book</source>
        <translation>
            <numerusform>livre d&apos;allemand</numerusform>
            <numerusform>livres d&apos;allemand</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Poetry book</source>
        <translation>
            <numerusform>livre de poésie</numerusform>
            <numerusform>livres de poésie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>astronomy book</source>
        <translation>
            <numerusform>livre d&apos;astronomie</numerusform>
            <numerusform>livres d&apos;astronomie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>concordance</source>
        <translation>
            <numerusform>concordance de la Bible</numerusform>
            <numerusform>concordances de la Bible</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fishing rod</source>
        <translation>
            <numerusform>canne à pêche</numerusform>
            <numerusform>cannes à pêche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fishing reel</source>
        <translation>
            <numerusform>moulinet de pêche</numerusform>
            <numerusform>moulinets de pêche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fishing line</source>
        <translation>
            <numerusform>fil de pêche</numerusform>
            <numerusform>fils de pêche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fishing lure</source>
        <translation>
            <numerusform>leurre de pêche</numerusform>
            <numerusform>leurres de pêche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tackle box</source>
        <translation>
            <numerusform>boîte à pêche</numerusform>
            <numerusform>boîtes à pêche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of fish hooks</source>
        <translation>
            <numerusform>sac d&apos;hameçons</numerusform>
            <numerusform>sacs d&apos;hameçons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pair of pliers</source>
        <translation>
            <numerusform>pince</numerusform>
            <numerusform>pinces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pair of wading boots</source>
        <translation>
            <numerusform>paire de bottes de pêche</numerusform>
            <numerusform>paires de bottes de pêche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pair of gloves</source>
        <translation>
            <numerusform>paire de gants</numerusform>
            <numerusform>paires de gants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tape measure</source>
        <translation>
            <numerusform>ruban à mesurer</numerusform>
            <numerusform>rubans à mesurer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rain hat</source>
        <translation>
            <numerusform>chapeau de pluie</numerusform>
            <numerusform>chapeaux de pluie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>umbrella</source>
        <translation>
            <numerusform>parapluie</numerusform>
            <numerusform>parapluies</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>red T shirt</source>
        <translation>
            <numerusform>t-shirt rouge</numerusform>
            <numerusform>t-shirts rouges</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yellow T-shirt</source>
        <translation>
            <numerusform>t-shirt jaune</numerusform>
            <numerusform>t-shirts jaunes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>blue T-shirt</source>
        <translation>
            <numerusform>t-shirt bleu</numerusform>
            <numerusform>t-shirts bleus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>white T-shirt</source>
        <translation>
            <numerusform>t-shirt blanc</numerusform>
            <numerusform>t-shirts blancs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>thermos bottle</source>
        <translation>
            <numerusform>bouteille thermos</numerusform>
            <numerusform>bouteilles thermos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>citronella candle</source>
        <translation>
            <numerusform>bougie à la citronnelle</numerusform>
            <numerusform>bougies à la citronnelle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fish scaler</source>
        <translation>
            <numerusform>écailleur à poisson</numerusform>
            <numerusform>écailleurs à poisson</numerusform>
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
            <numerusform>bac en plastique</numerusform>
            <numerusform>bacs en plastique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>plastic tarp</source>
        <translation>
            <numerusform>bâche en plastique</numerusform>
            <numerusform>bâches en plastique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>duct tape roll</source>
        <translation>
            <numerusform>rouleau de ruban adhésif gris</numerusform>
            <numerusform>rouleaux de ruban adhésif gris</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bunch of matches</source>
        <translation>
            <numerusform>poignée d&apos;allumettes</numerusform>
            <numerusform>poignées d&apos;allumettes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wolf painting</source>
        <translation>
            <numerusform>tableau de loup</numerusform>
            <numerusform>tableaux de loup</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tiger painting</source>
        <translation>
            <numerusform>tableau de tigre</numerusform>
            <numerusform>tableaux de tigre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dog painting</source>
        <translation>
            <numerusform>tableau de chien</numerusform>
            <numerusform>tableaux de chien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cat painting</source>
        <translation>
            <numerusform>tableau de chat</numerusform>
            <numerusform>tableaux de chat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bird painting</source>
        <translation>
            <numerusform>tableau d&apos;oiseau</numerusform>
            <numerusform>tableaux d&apos;oiseau</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>buffalo painting</source>
        <translation>
            <numerusform>tableau de bison</numerusform>
            <numerusform>tableaux de bison</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bear painting</source>
        <translation>
            <numerusform>tableau d&apos;ours</numerusform>
            <numerusform>tableaux d&apos;ours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>owl painting</source>
        <translation>
            <numerusform>tableau de hibou</numerusform>
            <numerusform>tableaux de hibou</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>raccoon painting</source>
        <translation>
            <numerusform>tableau de raton laveur</numerusform>
            <numerusform>tableaux de raton laveur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rabbit painting</source>
        <translation>
            <numerusform>tableau de lapin</numerusform>
            <numerusform>tableaux de lapin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>teddy bear</source>
        <translation>
            <numerusform>ours en peluche</numerusform>
            <numerusform>ours en peluche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>santa doll</source>
        <translation>
            <numerusform>poupée du père Noël</numerusform>
            <numerusform>poupées du père Noël</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pair of slippers</source>
        <translation>
            <numerusform>paire de pantoufles</numerusform>
            <numerusform>paires de pantoufles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>toy raccoon</source>
        <translation>
            <numerusform>raton laveur jouet</numerusform>
            <numerusform>ratons laveurs jouets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>toy owl</source>
        <translation>
            <numerusform>hibou jouet</numerusform>
            <numerusform>hiboux jouets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>toy rabbit</source>
        <translation>
            <numerusform>lapin jouet</numerusform>
            <numerusform>lapins jouets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wolf wall hanging</source>
        <translation>
            <numerusform>tenture murale de loup</numerusform>
            <numerusform>tentures murales de loup</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>music box</source>
        <translation>
            <numerusform>boîte à musique</numerusform>
            <numerusform>boîtes à musique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>glass jar</source>
        <translation>
            <numerusform>bocal en verre</numerusform>
            <numerusform>bocaux en verre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic flower pot</source>
        <translation>
            <numerusform>pot de fleurs en céramique</numerusform>
            <numerusform>pots de fleurs en céramique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic cup</source>
        <translation>
            <numerusform>tasse en céramique</numerusform>
            <numerusform>tasses en céramique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decorative heart plate</source>
        <translation>
            <numerusform>assiette en forme de cœur</numerusform>
            <numerusform>assiettes en forme de cœur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decorative metal plate</source>
        <translation>
            <numerusform>assiette décorative en métal</numerusform>
            <numerusform>assiettes décoratives en métal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>copper deer decoration</source>
        <translation>
            <numerusform>décoration de cerf en cuivre</numerusform>
            <numerusform>décorations de cerf en cuivre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Agate sample</source>
        <translation>
            <numerusform>échantillon d&apos;agate</numerusform>
            <numerusform>échantillons d&apos;agate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Amber sample</source>
        <translation>
            <numerusform>échantillon d&apos;ambre</numerusform>
            <numerusform>échantillons d&apos;ambre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Amethyst sample</source>
        <translation>
            <numerusform>échantillon d&apos;améthyste</numerusform>
            <numerusform>échantillons d&apos;améthyste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Amazonite sample</source>
        <translation>
            <numerusform>échantillon d&apos;amazonite</numerusform>
            <numerusform>échantillons d&apos;amazonite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Bloodstone sample</source>
        <translation>
            <numerusform>échantillon d&apos;héliotrope</numerusform>
            <numerusform>échantillons d&apos;héliotrope</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Calcite sample</source>
        <translation>
            <numerusform>échantillon de calcite</numerusform>
            <numerusform>échantillons de calcite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Celestite sample</source>
        <translation>
            <numerusform>échantillon de célestine</numerusform>
            <numerusform>échantillons de célestine</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Charolite sample</source>
        <translation>
            <numerusform>échantillon de charoïte</numerusform>
            <numerusform>échantillons de charoïte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dioptase sample</source>
        <translation>
            <numerusform>échantillon de dioptase</numerusform>
            <numerusform>échantillons de dioptase</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Emerald sample</source>
        <translation>
            <numerusform>échantillon d&apos;émeraude</numerusform>
            <numerusform>échantillons d&apos;émeraude</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fluorite sample</source>
        <translation>
            <numerusform>échantillon de fluorine</numerusform>
            <numerusform>échantillons de fluorine</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Garnet sample</source>
        <translation>
            <numerusform>échantillon de grenat</numerusform>
            <numerusform>échantillons de grenat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hematite sample</source>
        <translation>
            <numerusform>échantillon d&apos;hématite</numerusform>
            <numerusform>échantillons d&apos;hématite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Jade sample</source>
        <translation>
            <numerusform>échantillon de jade</numerusform>
            <numerusform>échantillons de jade</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Jasper sample</source>
        <translation>
            <numerusform>échantillon de jaspe</numerusform>
            <numerusform>échantillons de jaspe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kyanite sample</source>
        <translation>
            <numerusform>échantillon de cyanite</numerusform>
            <numerusform>échantillons de cyanite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lapis sample</source>
        <translation>
            <numerusform>échantillon de lapis-lazuli</numerusform>
            <numerusform>échantillons de lapis-lazuli</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Malachite sample</source>
        <translation>
            <numerusform>échantillon de malachite</numerusform>
            <numerusform>échantillons de malachite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moldavite sample</source>
        <translation>
            <numerusform>échantillon de moldavite</numerusform>
            <numerusform>échantillons de moldavite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moonstone sample</source>
        <translation>
            <numerusform>échantillon de pierre de lune</numerusform>
            <numerusform>échantillons de pierre de lune</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Peridot sample</source>
        <translation>
            <numerusform>échantillon de péridot</numerusform>
            <numerusform>échantillons de péridot</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pyrite sample</source>
        <translation>
            <numerusform>échantillon de pyrite</numerusform>
            <numerusform>échantillons de pyrite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quartz sample</source>
        <translation>
            <numerusform>échantillon de quartz</numerusform>
            <numerusform>échantillons de quartz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tourmaline sample</source>
        <translation>
            <numerusform>échantillon de tourmaline</numerusform>
            <numerusform>échantillons de tourmaline</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scented candle</source>
        <translation>
            <numerusform>bougie parfumée</numerusform>
            <numerusform>bougies parfumées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic horse</source>
        <translation>
            <numerusform>cheval en céramique</numerusform>
            <numerusform>chevaux en céramique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic lighthouse</source>
        <translation>
            <numerusform>phare en céramique</numerusform>
            <numerusform>phares en céramique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>horse T shirt</source>
        <translation>
            <numerusform>t-shirt avec un cheval</numerusform>
            <numerusform>t-shirts avec un cheval</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>deer statue</source>
        <translation>
            <numerusform>statue de cerf</numerusform>
            <numerusform>statues de cerf</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>buffalo T shirt</source>
        <translation>
            <numerusform>t-shirt avec un bison</numerusform>
            <numerusform>t-shirts avec un bison</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wolf T shirt</source>
        <translation>
            <numerusform>t-shirt avec un loup</numerusform>
            <numerusform>t-shirts avec un loup</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lighthouse T shirt</source>
        <translation>
            <numerusform>t-shirt avec un phare</numerusform>
            <numerusform>t-shirts avec un phare</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>moon T shirt</source>
        <translation>
            <numerusform>t-shirt avec la lune</numerusform>
            <numerusform>t-shirts avec la lune</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verunai pipe</source>
        <translation>
            <numerusform>pipe Verunai</numerusform>
            <numerusform>pipes Verunai</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verunai maiden print</source>
        <translation>
            <numerusform>affiche de jeune fille Verunai</numerusform>
            <numerusform>affiches de jeune fille Verunai</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Native American snow globe</source>
        <translation>
            <numerusform>boule à neige autochtone</numerusform>
            <numerusform>boules à neige autochtones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>deer antler</source>
        <translation>
            <numerusform>bois de cerf</numerusform>
            <numerusform>bois de cerf</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic flower</source>
        <translation>
            <numerusform>fleur en céramique</numerusform>
            <numerusform>fleurs en céramique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>flint</source>
        <translation>
            <numerusform>silex</numerusform>
            <numerusform>silex</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic fish</source>
        <translation>
            <numerusform>poisson en céramique</numerusform>
            <numerusform>poissons en céramique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic dragon</source>
        <translation>
            <numerusform>dragon en céramique</numerusform>
            <numerusform>dragons en céramique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wolf print</source>
        <translation>
            <numerusform>affiche de loup</numerusform>
            <numerusform>affiches de loup</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bird print</source>
        <translation>
            <numerusform>affiche d&apos;oiseau</numerusform>
            <numerusform>affiches d&apos;oiseau</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>buffalo print</source>
        <translation>
            <numerusform>affiche de bison</numerusform>
            <numerusform>affiches de bison</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dragon print</source>
        <translation>
            <numerusform>affiche de dragon</numerusform>
            <numerusform>affiches de dragon</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wizard print</source>
        <translation>
            <numerusform>affiche de sorcier</numerusform>
            <numerusform>affiches de sorcier</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wizard T shirt</source>
        <translation>
            <numerusform>t-shirt avec un sorcier</numerusform>
            <numerusform>t-shirts avec un sorcier</numerusform>
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
            <numerusform>tambour</numerusform>
            <numerusform>tambours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sun catcher</source>
        <translation>
            <numerusform>attrape-soleil</numerusform>
            <numerusform>attrape-soleils</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>concho</source>
        <translation>
            <numerusform>ornement rond en métal</numerusform>
            <numerusform>ornements ronds en métal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>animal figurine</source>
        <translation>
            <numerusform>figurine d&apos;animal</numerusform>
            <numerusform>figurines d&apos;animaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pottery piece</source>
        <translation>
            <numerusform>pièce de poterie</numerusform>
            <numerusform>pièces de poterie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rabbit&apos;s foot</source>
        <translation>
            <numerusform>patte de lapin</numerusform>
            <numerusform>pattes de lapin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>leather belt</source>
        <translation>
            <numerusform>ceinture en cuir</numerusform>
            <numerusform>ceintures en cuir</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fox tail</source>
        <translation>
            <numerusform>queue de renard</numerusform>
            <numerusform>queues de renard</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>coyote tail</source>
        <translation>
            <numerusform>queue de coyote</numerusform>
            <numerusform>queues de coyote</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fox fur hat</source>
        <translation>
            <numerusform>chapeau de fourrure de renard</numerusform>
            <numerusform>chapeaux de fourrure de renard</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>raccoon tail</source>
        <translation>
            <numerusform>queue de raton laveur</numerusform>
            <numerusform>queues de raton laveur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>turtle shell rattle</source>
        <translation>
            <numerusform>hochet en carapace de tortue</numerusform>
            <numerusform>hochets en carapace de tortue</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bird feather</source>
        <translation>
            <numerusform>plume d&apos;oiseau</numerusform>
            <numerusform>plumes d&apos;oiseau</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verunai maiden statue</source>
        <translation>
            <numerusform>statue de jeune fille Verunai</numerusform>
            <numerusform>statues de jeune fille Verunai</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verunai warrior print</source>
        <translation>
            <numerusform>affiche de guerrier Verunai</numerusform>
            <numerusform>affiches de guerrier Verunai</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>canoe replica</source>
        <translation>
            <numerusform>réplique de canot</numerusform>
            <numerusform>répliques de canot</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>elk antler</source>
        <translation>
            <numerusform>bois de wapiti</numerusform>
            <numerusform>bois de wapiti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic flowers</source>
        <translation>
            <numerusform>ensemble de fleurs en céramique</numerusform>
            <numerusform>ensembles de fleurs en céramique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic pigeons</source>
        <translation>
            <numerusform>ensemble de pigeons en céramique</numerusform>
            <numerusform>ensembles de pigeons en céramique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of potpourri</source>
        <translation>
            <numerusform>sac de pot-pourri</numerusform>
            <numerusform>sacs de pot-pourri</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wolf replica</source>
        <translation>
            <numerusform>réplique de loup</numerusform>
            <numerusform>répliques de loup</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bull horn</source>
        <translation>
            <numerusform>corne de taureau</numerusform>
            <numerusform>cornes de taureau</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic eagle</source>
        <translation>
            <numerusform>aigle en céramique</numerusform>
            <numerusform>aigles en céramique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic tiger</source>
        <translation>
            <numerusform>tigre en céramique</numerusform>
            <numerusform>tigres en céramique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic buffalo</source>
        <translation>
            <numerusform>bison en céramique</numerusform>
            <numerusform>bisons en céramique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic wolf</source>
        <translation>
            <numerusform>loup en céramique</numerusform>
            <numerusform>loups en céramique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rabbit skin</source>
        <translation>
            <numerusform>peau de lapin</numerusform>
            <numerusform>peaux de lapin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>woven belt</source>
        <translation>
            <numerusform>ceinture tissée</numerusform>
            <numerusform>ceintures tissées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fox figurine</source>
        <translation>
            <numerusform>figurine de renard</numerusform>
            <numerusform>figurines de renard</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>fox skin</source>
        <translation>
            <numerusform>peau de renard</numerusform>
            <numerusform>peaux de renard</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>coyote skin</source>
        <translation>
            <numerusform>peau de coyote</numerusform>
            <numerusform>peaux de coyote</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>raccoon skin hat</source>
        <translation>
            <numerusform>chapeau en peau de raton laveur</numerusform>
            <numerusform>chapeaux en peau de raton laveur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>raccoon pelt</source>
        <translation>
            <numerusform>fourrure de raton laveur</numerusform>
            <numerusform>fourrures de raton laveur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic turtle</source>
        <translation>
            <numerusform>tortue en céramique</numerusform>
            <numerusform>tortues en céramique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>canoe model</source>
        <translation>
            <numerusform>maquette de canot</numerusform>
            <numerusform>maquettes de canot</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cowboy on horse figurine</source>
        <translation>
            <numerusform>figurine de cowboy à cheval</numerusform>
            <numerusform>figurines de cowboy à cheval</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>warrior on horse figurine</source>
        <translation>
            <numerusform>figurine de guerrier à cheval</numerusform>
            <numerusform>figurines de guerrier à cheval</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>eagle figurine</source>
        <translation>
            <numerusform>figurine d&apos;aigle</numerusform>
            <numerusform>figurines d&apos;aigle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>deer figurine</source>
        <translation>
            <numerusform>figurine de cerf</numerusform>
            <numerusform>figurines de cerf</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>crystal vase</source>
        <translation>
            <numerusform>vase en cristal</numerusform>
            <numerusform>vases en cristal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>glass bird</source>
        <translation>
            <numerusform>oiseau en verre</numerusform>
            <numerusform>oiseaux en verre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ceramic dolphin</source>
        <translation>
            <numerusform>dauphin en céramique</numerusform>
            <numerusform>dauphins en céramique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>potpourri</source>
        <translation>
            <numerusform>pot-pourri</numerusform>
            <numerusform>pots-pourris</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wolf statue</source>
        <translation>
            <numerusform>statue de loup</numerusform>
            <numerusform>statues de loup</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of gumballs</source>
        <translation>
            <numerusform>sac de boules de gomme à mâcher</numerusform>
            <numerusform>sacs de boules de gomme à mâcher</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of red hot candy</source>
        <translation>
            <numerusform>sac de bonbons piquants à la cannelle</numerusform>
            <numerusform>sacs de bonbons piquants à la cannelle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of liquorice</source>
        <translation>
            <numerusform>sac de réglisse</numerusform>
            <numerusform>sacs de réglisse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of peanut butter fudge</source>
        <translation>
            <numerusform>sac de fudge au beurre d&apos;arachide</numerusform>
            <numerusform>sacs de fudge au beurre d&apos;arachide</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of chocolate drops</source>
        <translation>
            <numerusform>sac de pastilles de chocolat</numerusform>
            <numerusform>sacs de pastilles de chocolat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of salt water taffy</source>
        <translation>
            <numerusform>sac de caramels mous à l&apos;eau salée</numerusform>
            <numerusform>sacs de caramels mous à l&apos;eau salée</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of mints</source>
        <translation>
            <numerusform>sac de pastilles de menthe</numerusform>
            <numerusform>sacs de pastilles de menthe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of orange slices</source>
        <translation>
            <numerusform>sac de bonbons en quartiers d&apos;orange</numerusform>
            <numerusform>sacs de bonbons en quartiers d&apos;orange</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of coconut clusters</source>
        <translation>
            <numerusform>sac de bouchées à la noix de coco</numerusform>
            <numerusform>sacs de bouchées à la noix de coco</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of jawbreakers</source>
        <translation>
            <numerusform>sac de bonbons casse-dents</numerusform>
            <numerusform>sacs de bonbons casse-dents</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of root beer barrels</source>
        <translation>
            <numerusform>sac de petits barils à la racinette</numerusform>
            <numerusform>sacs de petits barils à la racinette</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of gummi bears</source>
        <translation>
            <numerusform>sac d&apos;oursons en gélatine</numerusform>
            <numerusform>sacs d&apos;oursons en gélatine</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of gummi worms</source>
        <translation>
            <numerusform>sac de vers en gélatine</numerusform>
            <numerusform>sacs de vers en gélatine</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of lemon balls</source>
        <translation>
            <numerusform>sac de boules au citron</numerusform>
            <numerusform>sacs de boules au citron</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of peppermint candy</source>
        <translation>
            <numerusform>sac de bonbons à la menthe poivrée</numerusform>
            <numerusform>sacs de bonbons à la menthe poivrée</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of cherry candy</source>
        <translation>
            <numerusform>sac de bonbons à la cerise</numerusform>
            <numerusform>sacs de bonbons à la cerise</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of root beer candy</source>
        <translation>
            <numerusform>sac de bonbons à la racinette</numerusform>
            <numerusform>sacs de bonbons à la racinette</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of bubble gum candy</source>
        <translation>
            <numerusform>sac de bonbons au goût de gomme à bulles</numerusform>
            <numerusform>sacs de bonbons au goût de gomme à bulles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of strawberry candy</source>
        <translation>
            <numerusform>sac de bonbons à la fraise</numerusform>
            <numerusform>sacs de bonbons à la fraise</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of grape candy</source>
        <translation>
            <numerusform>sac de bonbons au raisin</numerusform>
            <numerusform>sacs de bonbons au raisin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of raspberry candy</source>
        <translation>
            <numerusform>sac de bonbons à la framboise</numerusform>
            <numerusform>sacs de bonbons à la framboise</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of sour balls</source>
        <translation>
            <numerusform>sac de boules acidulées</numerusform>
            <numerusform>sacs de boules acidulées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of malted milk balls</source>
        <translation>
            <numerusform>sac de boules de lait malté</numerusform>
            <numerusform>sacs de boules de lait malté</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of caramel corn</source>
        <translation>
            <numerusform>sac de maïs soufflé au caramel</numerusform>
            <numerusform>sacs de maïs soufflé au caramel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of flour</source>
        <translation>
            <numerusform>livre de farine</numerusform>
            <numerusform>livres de farine</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of sugar</source>
        <translation>
            <numerusform>livre de sucre</numerusform>
            <numerusform>livres de sucre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of potatoes</source>
        <translation>
            <numerusform>livre de pommes de terre</numerusform>
            <numerusform>livres de pommes de terre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of rice</source>
        <translation>
            <numerusform>livre de riz</numerusform>
            <numerusform>livres de riz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of corn meal</source>
        <translation>
            <numerusform>livre de semoule de maïs</numerusform>
            <numerusform>livres de semoule de maïs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of lard</source>
        <translation>
            <numerusform>livre de saindoux</numerusform>
            <numerusform>livres de saindoux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of oatmeal</source>
        <translation>
            <numerusform>livre de flocons d&apos;avoine</numerusform>
            <numerusform>livres de flocons d&apos;avoine</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of peanuts</source>
        <translation>
            <numerusform>livre d&apos;arachides</numerusform>
            <numerusform>livres d&apos;arachides</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of corn</source>
        <translation>
            <numerusform>livre de maïs</numerusform>
            <numerusform>livres de maïs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of hard tack</source>
        <translation>
            <numerusform>livre de biscuits de mer</numerusform>
            <numerusform>livres de biscuits de mer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of dried beef</source>
        <translation>
            <numerusform>livre de bœuf séché</numerusform>
            <numerusform>livres de bœuf séché</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of bacon</source>
        <translation>
            <numerusform>livre de bacon</numerusform>
            <numerusform>livres de bacon</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of salt pork</source>
        <translation>
            <numerusform>livre de lard salé</numerusform>
            <numerusform>livres de lard salé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of salt</source>
        <translation>
            <numerusform>livre de sel</numerusform>
            <numerusform>livres de sel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of butter</source>
        <translation>
            <numerusform>livre de beurre</numerusform>
            <numerusform>livres de beurre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of dried fruit</source>
        <translation>
            <numerusform>livre de fruits séchés</numerusform>
            <numerusform>livres de fruits séchés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of dried vegetables</source>
        <translation>
            <numerusform>livre de légumes séchés</numerusform>
            <numerusform>livres de légumes séchés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>jar of honey</source>
        <translation>
            <numerusform>pot de miel</numerusform>
            <numerusform>pots de miel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bag of bisquits</source>
        <translation>
            <numerusform>sac de biscuits</numerusform>
            <numerusform>sacs de biscuits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of tea</source>
        <translation>
            <numerusform>livre de thé</numerusform>
            <numerusform>livres de thé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of coffee</source>
        <translation>
            <numerusform>livre de café</numerusform>
            <numerusform>livres de café</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of rutabaga</source>
        <translation>
            <numerusform>livre de rutabaga</numerusform>
            <numerusform>livres de rutabaga</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lb of black beans</source>
        <translation>
            <numerusform>livre de haricots noirs</numerusform>
            <numerusform>livres de haricots noirs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>jar of fruit preserves</source>
        <translation>
            <numerusform>pot de confiture de fruits</numerusform>
            <numerusform>pots de confiture de fruits</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Kelvarin Help</source>
        <translation>Aide de Kelvarin</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
    <message>
        <source>Back to the list of help pages.</source>
        <translation>Retour à la liste des pages d&apos;aide.</translation>
    </message>
    <message>
        <source>%1 missing (&quot;%2&quot;).</source>
        <translation>Il manque %1 (&quot;%2&quot;).</translation>
    </message>
    <message>
        <source>The help pages are</source>
        <translation>les pages d&apos;aide</translation>
    </message>
    <message>
        <source>This help page is</source>
        <translation>cette page d&apos;aide</translation>
    </message>
</context>
<context>
    <name>Hunting</name>
    <message>
        <source>along the creek</source>
        <translation>le long du ruisseau</translation>
    </message>
    <message>
        <source>deeper in the woods</source>
        <translation>plus loin dans les bois</translation>
    </message>
    <message>
        <source>a deer</source>
        <translation>un cerf</translation>
    </message>
    <message>
        <source>a wild turkey</source>
        <translation>un dindon sauvage</translation>
    </message>
    <message>
        <source>two rabbits</source>
        <translation>deux lapins</translation>
    </message>
    <message>
        <source>The hunters found only old tracks today.  There will be other woods.</source>
        <translation>Aujourd&apos;hui, les chasseurs n&apos;ont trouvé que de vieilles traces.  Il y aura d&apos;autres bois.</translation>
    </message>
    <message>
        <source>The hunters come back with %1: %2 lb of meat.  They give thanks for it, as Verunai hunters always did.</source>
        <translation>Les chasseurs reviennent avec %1 : %2 lb de viande.  Ils disent merci pour elle, comme les chasseurs Verunai l&apos;ont toujours fait.</translation>
    </message>
    <message>
        <source>Your party now has all the meat it can carry.</source>
        <translation>Ton groupe a maintenant toute la viande qu&apos;il peut porter.</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Every party&apos;s journey saved on this computer, the last saved first.</source>
        <translation>Le voyage de chaque groupe enregistré sur cet ordinateur, du plus récent au plus ancien.</translation>
    </message>
    <message>
        <source>Journeys on this computer</source>
        <translation>Voyages sur cet ordinateur</translation>
    </message>
    <message>
        <source>No journey is saved on this computer yet.</source>
        <translation>Aucun voyage n&apos;est encore enregistré sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Export as &amp;PDF…</source>
        <translation>Exporter en &amp;PDF…</translation>
    </message>
    <message>
        <source>Export the list as a PDF file</source>
        <translation>Exporter la liste dans un fichier PDF</translation>
    </message>
    <message>
        <source>Export as &amp;CSV…</source>
        <translation>Exporter en &amp;CSV…</translation>
    </message>
    <message>
        <source>Export the list as a CSV file for a spreadsheet</source>
        <translation>Exporter la liste dans un fichier CSV pour un tableur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Fermer la liste</translation>
    </message>
    <message>
        <source>This journey cannot be opened.  It is kept in &quot;%1&quot;.</source>
        <translation>Ce voyage ne peut pas être ouvert.  Il est gardé dans &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV Files for Spreadsheets (*.csv)</source>
        <translation>Fichiers CSV pour tableur (*.csv)</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message>
        <source>Town %1: %2</source>
        <translation>Ville %1 : %2</translation>
    </message>
    <message>
        <source>Part One</source>
        <translation>Première partie</translation>
    </message>
    <message>
        <source>Part Two</source>
        <translation>Deuxième partie</translation>
    </message>
    <message>
        <source>Part Three</source>
        <translation>Troisième partie</translation>
    </message>
    <message>
        <source>Part Four</source>
        <translation>Quatrième partie</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Fish caught: %1.</source>
        <translation>Poissons pêchés : %1.</translation>
    </message>
    <message>
        <source>More fish caught: %1.</source>
        <translation>Autres poissons pêchés : %1.</translation>
    </message>
    <message>
        <source>Thinking It Over</source>
        <translation>Pour réfléchir</translation>
    </message>
    <message>
        <source>The End of Part One</source>
        <translation>La fin de la première partie</translation>
    </message>
    <message>
        <source>The End of Part Two</source>
        <translation>La fin de la deuxième partie</translation>
    </message>
    <message>
        <source>The End of Part Three</source>
        <translation>La fin de la troisième partie</translation>
    </message>
    <message>
        <source>The End of the Journey</source>
        <translation>La fin du voyage</translation>
    </message>
    <message>
        <source>(not answered yet)</source>
        <translation>(pas encore de réponse)</translation>
    </message>
    <message>
        <source>Your party set out from %1.</source>
        <translation>Ton groupe s&apos;est mis en route à %1.</translation>
    </message>
    <message>
        <source>Your party reached %1.</source>
        <translation>Ton groupe est arrivé à %1.</translation>
    </message>
    <message>
        <source>Your party reached %1 and saw %2</source>
        <translation>Ton groupe est arrivé à %1 et a vu %2</translation>
    </message>
    <message>
        <source>There your party met %1, %2.  She told her story:</source>
        <translation>Là, ton groupe a rencontré %1, %2.  Elle a raconté son histoire :</translation>
    </message>
    <message>
        <source>There your party met %1, %2.  He told his story:</source>
        <translation>Là, ton groupe a rencontré %1, %2.  Il a raconté son histoire :</translation>
    </message>
    <message>
        <source>Your party gave %1 %2 and received %3.</source>
        <translation>Ton groupe a donné %2 à %1 et a reçu : %3.</translation>
    </message>
    <message>
        <source>Your party gave %1 and received %2.</source>
        <translation>Ton groupe a donné %1 et a reçu : %2.</translation>
    </message>
    <message>
        <source>On the road, %1 was bitten by a snake.  The treatment your party chose: %2</source>
        <translation>En chemin, un serpent a mordu %1.  Le soin choisi par ton groupe : %2</translation>
    </message>
    <message>
        <source>Your party came to the end of the trail with a final score of %1.</source>
        <translation>Ton groupe est arrivé au bout de la piste avec un score final de %1.</translation>
    </message>
    <message>
        <source>Your party came to the end of the trail at %1 with a final score of %2.</source>
        <translation>Ton groupe est arrivé au bout de la piste à %1, avec un score final de %2.</translation>
    </message>
    <message>
        <source>The Journey&apos;s End</source>
        <translation>La fin du voyage</translation>
    </message>
    <message>
        <source>On the Trail</source>
        <translation>Sur la Piste</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (suite)</translation>
    </message>
    <message>
        <source>A journal of the journey along the Verunai trail</source>
        <translation>Journal du voyage sur la piste des Verunai</translation>
    </message>
    <message>
        <source>The travellers</source>
        <translation>Les voyageurs</translation>
    </message>
    <message>
        <source>The party&apos;s names were not written down.</source>
        <translation>Les noms du groupe n&apos;ont pas été notés.</translation>
    </message>
    <message numerus="yes">
        <source>Final score: %n points</source>
        <translation>
            <numerusform>Score final : %n point</numerusform>
            <numerusform>Score final : %n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score so far: %n points</source>
        <translation>
            <numerusform>Score jusqu&apos;ici : %n point</numerusform>
            <numerusform>Score jusqu&apos;ici : %n points</numerusform>
        </translation>
    </message>
    <message>
        <source>%1  -  page %2 of %3</source>
        <translation>%1  -  page %2 sur %3</translation>
    </message>
    <message>
        <source>The journal cannot be saved as &quot;%1&quot;: %2.  A file that was there before is as it was.</source>
        <translation>Le journal ne peut pas être enregistré sous le nom &quot;%1&quot; : %2.  Si un fichier s&apos;y trouvait déjà, il n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>Which spirit&apos;s story stayed with you most, and why?</source>
        <translation>Quelle histoire racontée par un esprit te reste le plus en tête, et pourquoi ?</translation>
    </message>
    <message>
        <source>In your own words, why were the Verunai families made to leave their homes?</source>
        <translation>Avec tes propres mots, pourquoi les familles Verunai ont-elles été forcées de quitter leurs maisons ?</translation>
    </message>
    <message>
        <source>Some people helped the families, and many shut their doors.  Who helped, and what did they do?</source>
        <translation>Certaines personnes ont aidé les familles, et beaucoup ont fermé leur porte.  Qui a aidé, et qu&apos;ont fait ces personnes ?</translation>
    </message>
    <message>
        <source>What did your party need most on this part of the trail, and who helped?</source>
        <translation>De quoi ton groupe a-t-il eu le plus besoin sur cette partie de la piste, et qui a aidé ?</translation>
    </message>
    <message>
        <source>How did the people in these stories keep their language, their songs and what they knew?</source>
        <translation>Comment les gens de ces histoires ont-ils gardé leur langue, leurs chants et ce qu&apos;ils savaient ?</translation>
    </message>
    <message>
        <source>The Verunai won in the highest court, but the President would not make the state obey.  What do you think of that?</source>
        <translation>Les Verunai ont gagné devant la plus haute cour du pays, mais le Président n&apos;a pas voulu obliger l&apos;État à obéir.  Qu&apos;en penses-tu ?</translation>
    </message>
    <message>
        <source>Which story from this part of the trail would you tell a friend, and why?</source>
        <translation>Quelle histoire de cette partie de la piste raconterais-tu à un ami, et pourquoi ?</translation>
    </message>
    <message>
        <source>How did the people in these stories stand up for themselves and for their ways?</source>
        <translation>Comment les gens de ces histoires se sont-ils défendus, eux et leur façon de vivre ?</translation>
    </message>
    <message>
        <source>Some people on this part of the trail helped, and some looked away.  What do you think made the difference?</source>
        <translation>Sur cette partie de la piste, certaines personnes ont aidé, et d&apos;autres ont détourné le regard.  Selon toi, qu&apos;est-ce qui a fait la différence ?</translation>
    </message>
    <message>
        <source>What did your party need most on the last part of the trail, and who helped?</source>
        <translation>De quoi ton groupe a-t-il eu le plus besoin sur la dernière partie de la piste, et qui a aidé ?</translation>
    </message>
    <message>
        <source>In the west the Verunai planted, held their council and opened schools again.  What did they bring with them from home?</source>
        <translation>À l&apos;ouest, les Verunai ont recommencé à planter, à tenir leur conseil et à ouvrir des écoles.  Qu&apos;ont-ils emporté de chez eux ?</translation>
    </message>
    <message>
        <source>The Verunai are still here today, as nations with their own governments, schools and languages.  What would you like to learn about them?</source>
        <translation>Les Verunai sont toujours là aujourd&apos;hui, en tant que nations avec leurs propres gouvernements, écoles et langues.  Qu&apos;aimerais-tu apprendre sur eux ?</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Journal page</source>
        <translation>Page du journal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Print the journal</source>
        <translation>Imprimer le journal</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>Save the journal as a PDF file</source>
        <translation>Enregistrer le journal dans un fichier PDF</translation>
    </message>
    <message>
        <source>Close the journal</source>
        <translation>Fermer le journal</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Your answer, in your own words.  Tab goes on to the next.</source>
        <translation>Ta réponse, avec tes propres mots.  La touche Tab passe à la suivante.</translation>
    </message>
    <message>
        <source>Write your answer here.</source>
        <translation>Écris ta réponse ici.</translation>
    </message>
    <message>
        <source>Our Journey on the Trail</source>
        <translation>Notre voyage sur la Piste</translation>
    </message>
    <message>
        <source>The travellers:
</source>
        <translation>Les voyageurs :
</translation>
    </message>
    <message>
        <source>Nothing has been written in the journal yet.</source>
        <translation>Rien n&apos;a encore été écrit dans le journal.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Kelvarin journal</source>
        <translation>Journal de Kelvarin</translation>
    </message>
    <message>
        <source>Print the Journal</source>
        <translation>Imprimer le journal</translation>
    </message>
    <message>
        <source>The journal cannot be printed: the printer did not start.  Check that it is switched on and try again.</source>
        <translation>Le journal ne peut pas être imprimé : l&apos;imprimante n&apos;a pas démarré.  Vérifie qu&apos;elle est allumée et réessaie.</translation>
    </message>
    <message>
        <source>%1 was too weak to walk on, so your party rested a day in %2.</source>
        <translation>%1 était trop faible pour continuer à marcher, alors ton groupe s&apos;est reposé un jour à %2.</translation>
    </message>
    <message>
        <source>On the road, %1 %2</source>
        <translation>En chemin, %1 %2</translation>
    </message>
    <message>
        <source>Your hunters went out %1 and found only old tracks.</source>
        <translation>Tes chasseurs sont allés chasser %1 et n&apos;ont trouvé que de vieilles traces.</translation>
    </message>
    <message>
        <source>Your hunters went out %1 and came back with %2.  They gave thanks for it.</source>
        <translation>Tes chasseurs sont allés chasser %1 et sont revenus avec %2.  Ils ont dit merci pour ce gibier.</translation>
    </message>
    <message>
        <source>Your party let %1 rest by the fire.</source>
        <translation>Ton groupe a laissé %1 se reposer près du feu.</translation>
    </message>
    <message>
        <source>Your party gave %1 %2, and %1 was well again.</source>
        <translation>Ton groupe a donné à %1 %2, et %1 a retrouvé la santé.</translation>
    </message>
    <message>
        <source>the %1 that %2 gave</source>
        <translation>%1, le cadeau fait par %2</translation>
    </message>
    <message>
        <source>Your party ate %1.</source>
        <translation>Ce que ton groupe a mangé : %1.</translation>
    </message>
    <message>
        <source>%1 was well again after resting.</source>
        <translation>%1 a retrouvé la santé grâce au repos.</translation>
    </message>
    <message>
        <source>%1 were well again after resting.</source>
        <translation>%1 ont retrouvé la santé grâce au repos.</translation>
    </message>
    <message>
        <source>Your party was hungry and grew weaker.</source>
        <translation>Ton groupe avait faim et s&apos;est affaibli.</translation>
    </message>
    <message>
        <source>nothing: the food has run out</source>
        <translation>rien, car la nourriture est épuisée</translation>
    </message>
    <message>
        <source>%1 lb of fish</source>
        <translation>%1 lb de poisson</translation>
    </message>
    <message>
        <source>%1 lb of meat</source>
        <translation>%1 lb de viande</translation>
    </message>
    <message>
        <source>%1, the last of the food</source>
        <translation>%1, les dernières provisions</translation>
    </message>
    <message>
        <source>The list of journeys cannot be saved as &quot;%1&quot;: %2.  A file that was there before is as it was.</source>
        <translation>La liste des voyages ne peut pas être enregistrée sous le nom &quot;%1&quot; : %2.  Si un fichier s&apos;y trouvait déjà, il n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Town number</source>
        <translation>Numéro de la ville</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Stories heard</source>
        <translation>Histoires entendues</translation>
    </message>
    <message>
        <source>Answers written</source>
        <translation>Réponses écrites</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistré le</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Abîmé</translation>
    </message>
    <message>
        <source>Journeys on this Computer</source>
        <translation>Voyages sur cet ordinateur</translation>
    </message>
    <message>
        <source>Printed on %1 at %2.</source>
        <translation>Imprimé le %1 à %2.</translation>
    </message>
    <message>
        <source>Kelvarin  -  page %1 of %2</source>
        <translation>Kelvarin  -  page %1 sur %2</translation>
    </message>
    <message>
        <source>town %1</source>
        <translation>ville %1</translation>
    </message>
    <message>
        <source>%1, town %2</source>
        <translation>%1, ville %2</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>abîmé</translation>
    </message>
    <message>
        <source>damaged: </source>
        <translation>abîmé : </translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>le PDF n&apos;a pas pu être créé</translation>
    </message>
</context>
<context>
    <name>JourneyChooser</name>
    <message>
        <source>A journey without a name</source>
        <translation>Un voyage sans nom</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>hier</translation>
    </message>
    <message>
        <source>damaged: it cannot be opened</source>
        <translation>abîmé : il ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>came to the end of the trail</source>
        <translation>arrivé au bout de la piste</translation>
    </message>
    <message>
        <source>%1, town %2</source>
        <translation>%1, ville %2</translation>
    </message>
    <message>
        <source>the journey</source>
        <translation>le voyage</translation>
    </message>
    <message>
        <source>the journey of &quot;%1&quot;</source>
        <translation>le voyage de &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a journey that came to the end</source>
        <translation>un voyage arrivé au bout</translation>
    </message>
    <message>
        <source>A new journey takes the place of %1 (%2) when your party reaches the next town, and that one cannot be gone on with again.  Start a new journey?</source>
        <translation>Un nouveau voyage prendra la place de %1 (%2) quand ton groupe arrivera à la ville suivante, et on ne pourra plus continuer l&apos;ancien.  Commencer un nouveau voyage ?</translation>
    </message>
    <message>
        <source>Start a New Journey</source>
        <translation>Commencer un nouveau voyage</translation>
    </message>
    <message>
        <source>Keep the Saved Journey</source>
        <translation>Garder le voyage enregistré</translation>
    </message>
    <message>
        <source>Remove the journey &quot;%1&quot; from this computer?  It cannot be brought back.</source>
        <translation>Retirer le voyage &quot;%1&quot; de cet ordinateur ?  On ne pourra pas le récupérer.</translation>
    </message>
    <message>
        <source>Remove the Journey</source>
        <translation>Retirer le voyage</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Le garder</translation>
    </message>
    <message>
        <source>Whose journey is this?  Type your party&apos;s name: your names, or your table&apos;s.  Leave it empty for a journey without a name.</source>
        <translation>À qui est ce voyage ?  Écris le nom de ton groupe : vos prénoms, ou celui de votre table.  Laisse vide pour un voyage sans nom.</translation>
    </message>
    <message>
        <source>Whose journey is this?</source>
        <translation>À qui est ce voyage ?</translation>
    </message>
    <message>
        <source>Room 12, table 3</source>
        <translation>Classe 12, table 3</translation>
    </message>
    <message>
        <source>Start the Journey</source>
        <translation>Commencer le voyage</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Whose journey is this?  These journeys are saved on this computer.  Choose yours to go on with it, or start a new one.</source>
        <translation>À qui est ce voyage ?  Ces voyages sont enregistrés sur cet ordinateur.  Choisis le tien pour le continuer, ou commences-en un nouveau.</translation>
    </message>
    <message>
        <source>Journeys on this computer</source>
        <translation>Voyages sur cet ordinateur</translation>
    </message>
    <message>
        <source>Go On with the Journey</source>
        <translation>Continuer le voyage</translation>
    </message>
    <message>
        <source>Remove the Journey...</source>
        <translation>Retirer le voyage...</translation>
    </message>
    <message>
        <source>The journey could not be removed: %1 cannot be deleted.</source>
        <translation>Le voyage n&apos;a pas pu être retiré : %1 ne peut pas être supprimé.</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>L&apos;image &quot;%1&quot; est vide.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large to show: it is %2 x %3 pixels, and the game shows pictures of at most %4 on a side.</source>
        <translation>L&apos;image &quot;%1&quot; est trop grande pour être affichée : elle mesure %2 x %3 pixels, et le jeu n&apos;affiche que des images d&apos;au plus %4 pixels de côté.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged and cannot be shown (%2).</source>
        <translation>L&apos;image &quot;%1&quot; est abîmée et ne peut pas être affichée (%2).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is missing from the game.</source>
        <translation>L&apos;image &quot;%1&quot; manque dans le jeu.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged and cannot be shown.</source>
        <translation>L&apos;image &quot;%1&quot; est abîmée et ne peut pas être affichée.</translation>
    </message>
    <message>
        <source>The Image Property is empty!</source>
        <translation>La propriété Image est vide !</translation>
    </message>
    <message>
        <source>The game cannot find the file &quot;%1&quot;.</source>
        <translation>Le jeu ne trouve pas le fichier &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>it took too long to load</source>
        <translation>son chargement a pris trop de temps</translation>
    </message>
    <message>
        <source>The game cannot play the file &quot;%1&quot;: %2</source>
        <translation>Le jeu ne peut pas lire le fichier &quot;%1&quot; : %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not open, so it cannot be played.</source>
        <translation>Le fichier &quot;%1&quot; n&apos;est pas ouvert, alors il ne peut pas être lu.</translation>
    </message>
</context>
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
<context>
    <name>Pause</name>
    <message>
        <source>Paused — press P to go on</source>
        <translation>En pause — appuie sur P pour continuer</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>The Flea Market</source>
        <translation>Le marché aux puces</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inventaire</translation>
    </message>
    <message>
        <source>Flea Market Goods</source>
        <translation>Objets du marché</translation>
    </message>
    <message>
        <source>Trading Post Supplies</source>
        <translation>Provisions du comptoir</translation>
    </message>
    <message>
        <source>The Weyfarra Trail</source>
        <translation>La piste Weyfarra</translation>
    </message>
    <message>
        <source>from the old homeland, west</source>
        <translation>de la terre natale, vers l&apos;ouest</translation>
    </message>
</context>
<context>
    <name>Reserves</name>
    <message>
        <source>meat in storage: %1 lb</source>
        <translation>viande en réserve : %1 lb</translation>
    </message>
    <message>
        <source>fish in storage: %1 lb %2 oz</source>
        <translation>poisson en réserve : %1 lb %2 oz</translation>
    </message>
    <message>
        <source>other food in storage: %1 lb</source>
        <translation>autre nourriture en réserve : %1 lb</translation>
    </message>
    <message>
        <source>eaten on the trail so far: %1 lb</source>
        <translation>mangé sur la piste jusqu&apos;ici : %1 lb</translation>
    </message>
</context>
<context>
    <name>Saves</name>
    <message>
        <source>there is not enough room left on the disk</source>
        <translation>il ne reste pas assez de place sur le disque</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is too long for its folder (a name there has at most %2 bytes)</source>
        <translation>le nom &quot;%1&quot; est trop long pour son dossier (un nom y fait au plus %2 octets)</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; with its folders is too long (the system takes at most %2 bytes)</source>
        <translation>le nom &quot;%1&quot;, avec ses dossiers, est trop long (le système accepte au plus %2 octets)</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>est introuvable</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>is not a file the game can read (a device, a pipe or a socket)</source>
        <translation>n&apos;est pas un fichier que le jeu peut lire (un périphérique, un tube ou un socket)</translation>
    </message>
    <message>
        <source>holds %1 bytes, far more than it can</source>
        <translation>contient %1 octets, bien au-delà de la limite</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>est illisible (%1)</translation>
    </message>
    <message>
        <source>the town</source>
        <translation>la ville</translation>
    </message>
    <message>
        <source>the stage in the town</source>
        <translation>l&apos;étape dans la ville</translation>
    </message>
    <message>
        <source>the activity</source>
        <translation>l&apos;activité</translation>
    </message>
    <message>
        <source>the stage of meeting the spirits</source>
        <translation>l&apos;étape de la rencontre des esprits</translation>
    </message>
    <message>
        <source>the visit to the trading post</source>
        <translation>la visite au comptoir</translation>
    </message>
    <message>
        <source>whether an instruction is shown</source>
        <translation>l&apos;affichage d&apos;une instruction (oui ou non)</translation>
    </message>
    <message>
        <source>whether the girl&apos;s advice was given</source>
        <translation>le conseil de la jeune fille (donné ou non)</translation>
    </message>
    <message>
        <source>whether the trapper&apos;s advice was given</source>
        <translation>le conseil du trappeur (donné ou non)</translation>
    </message>
    <message>
        <source>the traveller bitten by the snake</source>
        <translation>le voyageur mordu par le serpent</translation>
    </message>
    <message>
        <source>whether the party has snakeroot</source>
        <translation>la serpentaire du groupe (oui ou non)</translation>
    </message>
    <message>
        <source>whether the party has the talisman</source>
        <translation>le talisman du groupe (oui ou non)</translation>
    </message>
    <message>
        <source>the round of trading</source>
        <translation>le tour d&apos;échange</translation>
    </message>
    <message>
        <source>the spirit&apos;s trifles</source>
        <translation>les babioles de l&apos;esprit</translation>
    </message>
    <message>
        <source>the good offered in trade</source>
        <translation>l&apos;objet proposé en échange</translation>
    </message>
    <message>
        <source>the thing offered in trade</source>
        <translation>la chose proposée en échange</translation>
    </message>
    <message>
        <source>the turn of the special offers</source>
        <translation>le tour des offres spéciales</translation>
    </message>
    <message>
        <source>the number of fish caught at this lake</source>
        <translation>le nombre de poissons pêchés dans ce lac</translation>
    </message>
    <message>
        <source>the fish&apos;s weight in pounds</source>
        <translation>le poids du poisson en livres</translation>
    </message>
    <message>
        <source>the ounces of the fish&apos;s weight</source>
        <translation>les onces du poids du poisson</translation>
    </message>
    <message>
        <source>the meat&apos;s weight in pounds</source>
        <translation>le poids de la viande en livres</translation>
    </message>
    <message>
        <source>the score</source>
        <translation>le score</translation>
    </message>
    <message>
        <source>the points for useful goods</source>
        <translation>les points des objets utiles</translation>
    </message>
    <message>
        <source>the points for treating the snakebite</source>
        <translation>les points du soin de la morsure de serpent</translation>
    </message>
    <message>
        <source>the travellers&apos; health</source>
        <translation>la santé des voyageurs</translation>
    </message>
    <message>
        <source>the health of traveller %1</source>
        <translation>la santé du voyageur %1</translation>
    </message>
    <message>
        <source>the good fishing spot</source>
        <translation>le bon coin de pêche</translation>
    </message>
    <message>
        <source>whether the fishing hints are off</source>
        <translation>les conseils de pêche (désactivés ou non)</translation>
    </message>
    <message>
        <source>the instruction step</source>
        <translation>l&apos;étape des instructions</translation>
    </message>
    <message>
        <source>whether the scene takes clicks</source>
        <translation>les clics sur la scène (acceptés ou non)</translation>
    </message>
    <message>
        <source>the look-around stage</source>
        <translation>l&apos;étape &quot;Regarder autour&quot;</translation>
    </message>
    <message>
        <source>whether the town has fishing</source>
        <translation>la pêche dans la ville (possible ou non)</translation>
    </message>
    <message>
        <source>whether the party is named</source>
        <translation>le nom du groupe (donné ou non)</translation>
    </message>
    <message>
        <source>the spirits that have spoken</source>
        <translation>les esprits qui ont parlé</translation>
    </message>
    <message>
        <source>the towns where supplies were advised</source>
        <translation>les villes où des provisions ont été conseillées</translation>
    </message>
    <message>
        <source>the towns where the way on was told</source>
        <translation>les villes où la suite du chemin a été indiquée</translation>
    </message>
    <message>
        <source>the travellers&apos; ailments</source>
        <translation>les maux des voyageurs</translation>
    </message>
    <message>
        <source>the ailment of traveller %1</source>
        <translation>le mal du voyageur %1</translation>
    </message>
    <message>
        <source>the goods given as remedies</source>
        <translation>les objets donnés comme remèdes</translation>
    </message>
    <message>
        <source>the points for remedies given</source>
        <translation>les points des remèdes donnés</translation>
    </message>
    <message>
        <source>the remedies given</source>
        <translation>les remèdes donnés</translation>
    </message>
    <message>
        <source>the days the party rested</source>
        <translation>les jours de repos du groupe</translation>
    </message>
    <message>
        <source>the towns the party reached hungry</source>
        <translation>les villes où le groupe est arrivé en ayant faim</translation>
    </message>
    <message>
        <source>whether the party is hungry</source>
        <translation>la faim du groupe (oui ou non)</translation>
    </message>
    <message>
        <source>whether the food&apos;s running out was told</source>
        <translation>l&apos;annonce du manque de nourriture (faite ou non)</translation>
    </message>
    <message>
        <source>the towns where the party hunted</source>
        <translation>les villes où le groupe a chassé</translation>
    </message>
    <message>
        <source>the ailments met</source>
        <translation>les maux rencontrés</translation>
    </message>
    <message>
        <source>the pounds of food eaten</source>
        <translation>les livres de nourriture mangées</translation>
    </message>
    <message>
        <source>the journal</source>
        <translation>le journal</translation>
    </message>
    <message>
        <source>line %1 of the journal</source>
        <translation>la ligne %1 du journal</translation>
    </message>
    <message>
        <source>the goods owned</source>
        <translation>les objets possédés</translation>
    </message>
    <message>
        <source>the count of item %1</source>
        <translation>la quantité de l&apos;objet %1</translation>
    </message>
    <message>
        <source>the trades done</source>
        <translation>les échanges faits</translation>
    </message>
    <message>
        <source>trade flag %1</source>
        <translation>l&apos;indicateur d&apos;échange %1</translation>
    </message>
    <message>
        <source>the money</source>
        <translation>l&apos;argent</translation>
    </message>
    <message>
        <source>the catch list</source>
        <translation>la liste des prises</translation>
    </message>
    <message>
        <source>line %1 of the catch list</source>
        <translation>la ligne %1 de la liste des prises</translation>
    </message>
    <message>
        <source>the party&apos;s names</source>
        <translation>les noms du groupe</translation>
    </message>
    <message>
        <source>the name of traveller %1</source>
        <translation>le nom du voyageur %1</translation>
    </message>
    <message>
        <source>whose journey it is</source>
        <translation>le nom du groupe à qui appartient le voyage</translation>
    </message>
    <message>
        <source>a name of its own, without control characters or blanks around it</source>
        <translation>un vrai nom, sans caractères de contrôle ni espaces autour</translation>
    </message>
    <message>
        <source>the scene</source>
        <translation>la scène</translation>
    </message>
    <message>
        <source>a letter and three digits</source>
        <translation>une lettre et trois chiffres</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source> to </source>
        <translation> à </translation>
    </message>
    <message>
        <source>%1 is %2, where it can only be %3</source>
        <translation>pour %1, la valeur est %2, alors qu&apos;elle ne peut être que %3</translation>
    </message>
    <message>
        <source>%1 is %2 characters long, where it can have at most %3</source>
        <translation>%1 fait %2 caractères, alors que la limite est de %3</translation>
    </message>
    <message>
        <source>at most %1</source>
        <translation>au plus %1</translation>
    </message>
    <message>
        <source>there are %1 entries in %2, where %3 belong</source>
        <translation>il y a %1 éléments dans %2, alors qu&apos;il en faut %3</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;, where it is %3</source>
        <translation>%1 est &quot;%2&quot;, alors que ce doit être %3</translation>
    </message>
    <message>
        <source>it says the spirit of town %1 has spoken, where that town has no spirit</source>
        <translation>il dit que l&apos;esprit de la ville %1 a parlé, alors que cette ville n&apos;a pas d&apos;esprit</translation>
    </message>
    <message>
        <source>it says the spirit of town %1 has spoken, where the party is only in town %2</source>
        <translation>il dit que l&apos;esprit de la ville %1 a parlé, alors que le groupe n&apos;est qu&apos;à la ville %2</translation>
    </message>
    <message>
        <source>it has the party %1 in town %2, where %3</source>
        <translation>il place le groupe %1 dans la ville %2, alors que %3</translation>
    </message>
    <message>
        <source>unable to fish</source>
        <translation>sans pouvoir pêcher</translation>
    </message>
    <message>
        <source>fishing</source>
        <translation>en train de pêcher</translation>
    </message>
    <message>
        <source>there is a lake</source>
        <translation>cette ville a un lac</translation>
    </message>
    <message>
        <source>there is no lake</source>
        <translation>cette ville n&apos;a pas de lac</translation>
    </message>
    <message>
        <source>the spirit&apos;s trifles are those of set %1, where town %2 has set %3</source>
        <translation>les babioles de l&apos;esprit sont celles de la série %1, alors que la ville %2 a la série %3</translation>
    </message>
    <message>
        <source>the stage of meeting the spirits is %1, where in town %2 it is %3</source>
        <translation>l&apos;étape de la rencontre des esprits est %1, alors que dans la ville %2 elle est %3</translation>
    </message>
    <message>
        <source>it has traveller %1 ailing in good condition</source>
        <translation>il indique que le voyageur %1 est malade tout en étant en bon état</translation>
    </message>
    <message>
        <source>it has %1 travellers ailing at once, where at most %2 can be</source>
        <translation>il indique %1 voyageurs malades en même temps, alors qu&apos;il ne peut y en avoir que %2 au plus</translation>
    </message>
    <message>
        <source>it holds only one of the score&apos;s two parts</source>
        <translation>il ne contient qu&apos;une des deux parties du score</translation>
    </message>
    <message>
        <source>it gives %1 points for useful goods, where the trades done give at most %2, in fives</source>
        <translation>il donne %1 points pour les objets utiles, alors que les échanges faits en donnent au plus %2, par tranches de cinq</translation>
    </message>
    <message>
        <source>the score is %1, where its parts make %2</source>
        <translation>le score est de %1, alors que la somme de ses parties fait %2</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un nombre entier</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texte</translation>
    </message>
    <message>
        <source>a list of texts</source>
        <translation>une liste de textes</translation>
    </message>
    <message>
        <source>a list of whole numbers</source>
        <translation>une liste de nombres entiers</translation>
    </message>
    <message>
        <source>something of kind %1</source>
        <translation>quelque chose de type %1</translation>
    </message>
    <message>
        <source>it does not hold %1</source>
        <translation>il ne contient pas %1</translation>
    </message>
    <message>
        <source>it holds %1 as %2, where %3 belongs</source>
        <translation>il contient %1 comme %2, alors qu&apos;il faudrait %3</translation>
    </message>
    <message>
        <source>its entry %1 is not in the form of one</source>
        <translation>son entrée %1 n&apos;a pas la forme d&apos;une entrée</translation>
    </message>
    <message>
        <source>it holds the field &quot;%1&quot; twice</source>
        <translation>il contient deux fois le champ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>its field &quot;%1&quot; is not in the form of %2</source>
        <translation>son champ &quot;%1&quot; n&apos;a pas la forme attendue pour %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it is not a Kelvarin journey (it does not begin with the mark of one)</source>
        <translation>ce n&apos;est pas un voyage Kelvarin (il ne commence pas par la marque d&apos;un voyage)</translation>
    </message>
    <message>
        <source>it ends after %1 bytes, before the journey in it begins: it was cut short</source>
        <translation>il s&apos;arrête après %1 octets, avant le début du voyage qu&apos;il contient : il a été coupé</translation>
    </message>
    <message>
        <source>it holds %1 bytes, where the journey in it needs %2: it was cut short or is damaged</source>
        <translation>il contient %1 octets, alors que le voyage qu&apos;il contient en demande %2 : il a été coupé ou il est abîmé</translation>
    </message>
    <message>
        <source>it holds %1 bytes, more than the %2 of the journey in it: something was added to it or it is damaged</source>
        <translation>il contient %1 octets, plus que les %2 du voyage qu&apos;il contient : quelque chose y a été ajouté, ou il est abîmé</translation>
    </message>
    <message>
        <source>it is damaged (its checksum does not match what it holds)</source>
        <translation>il est abîmé (sa somme de contrôle ne correspond pas à son contenu)</translation>
    </message>
    <message>
        <source>it was saved by a newer Kelvarin (journey format %1), which this Kelvarin (journey format %2.%3) cannot read</source>
        <translation>il a été enregistré par une version plus récente de Kelvarin (format de voyage %1), que cette version (format de voyage %2.%3) ne peut pas lire</translation>
    </message>
    <message>
        <source>its journey format %1 is not one Kelvarin has written</source>
        <translation>son format de voyage %1 n&apos;est pas un format écrit par Kelvarin</translation>
    </message>
    <message>
        <source>there is no journey saved automatically</source>
        <translation>il n&apos;y a pas de voyage enregistré automatiquement</translation>
    </message>
    <message>
        <source>yyyy-MM-dd-hhmmss</source>
        <translation>yyyy-MM-dd-hhmmss</translation>
    </message>
    <message>
        <source>  Nothing in the game was changed.</source>
        <translation>  Rien n&apos;a été changé dans le jeu.</translation>
    </message>
    <message>
        <source>  It could not be moved aside (%1), so no journey will be saved automatically in its place.</source>
        <translation>  Il n&apos;a pas pu être mis de côté (%1), alors aucun voyage ne sera enregistré automatiquement à sa place.</translation>
    </message>
    <message>
        <source>  It is kept as &quot;%1&quot;, where the journeys saved automatically from now on do not replace it.</source>
        <translation>  Il est gardé sous le nom &quot;%1&quot; : les voyages enregistrés automatiquement à partir de maintenant ne le remplaceront pas.</translation>
    </message>
    <message>
        <source>The journey saved automatically is kept as &quot;%1&quot;, where the journeys saved automatically from now on do not replace it.</source>
        <translation>Le voyage enregistré automatiquement est gardé sous le nom &quot;%1&quot; : les voyages enregistrés automatiquement à partir de maintenant ne le remplaceront pas.</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>le dossier &quot;%1&quot; n&apos;existe pas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder</source>
        <translation>&quot;%1&quot; est un dossier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written (%2)</source>
        <translation>&quot;%1&quot; ne peut pas être écrit (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be put in place (%2)</source>
        <translation>&quot;%1&quot; ne peut pas être mis en place (%2)</translation>
    </message>
    <message>
        <source>it would take %1 bytes, more than a journey can</source>
        <translation>il occuperait %1 octets, plus qu&apos;un voyage ne peut en occuper</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a file the game can read (a device, a pipe or a socket)</source>
        <translation>ce n&apos;est pas un fichier que le jeu peut lire (un périphérique, un tube ou un socket)</translation>
    </message>
    <message>
        <source>the file holds %1 bytes, far more than any journey&apos;s can</source>
        <translation>le fichier contient %1 octets, bien plus que ne peut en contenir un voyage</translation>
    </message>
    <message>
        <source>the file </source>
        <translation>le fichier </translation>
    </message>
    <message>
        <source>.  Nothing in the game was changed.</source>
        <translation>.  Rien n&apos;a été changé dans le jeu.</translation>
    </message>
    <message>
        <source>there is no folder for the game&apos;s own files in your data home, and none can be made</source>
        <translation>il n&apos;y a pas de dossier pour les fichiers du jeu dans ton dossier de données, et il est impossible d&apos;en créer un</translation>
    </message>
    <message>
        <source>The journey could not be saved: %1.  A journey saved earlier under this name is unchanged.</source>
        <translation>Le voyage n&apos;a pas pu être enregistré : %1.  Un voyage enregistré plus tôt sous ce nom n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>The journey &quot;%1&quot; cannot be opened: </source>
        <translation>Le voyage &quot;%1&quot; ne peut pas être ouvert : </translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; for the parties&apos; journeys cannot be made</source>
        <translation>le dossier &quot;%1&quot; pour les voyages des groupes ne peut pas être créé</translation>
    </message>
    <message>
        <source>the journey saved there before cannot be opened, and it cannot be moved aside</source>
        <translation>le voyage enregistré là auparavant ne peut pas être ouvert, et il ne peut pas être mis de côté</translation>
    </message>
    <message>
        <source>The journey could not be saved automatically: %1.  The journey saved automatically before is unchanged.</source>
        <translation>Le voyage n&apos;a pas pu être enregistré automatiquement : %1.  Le voyage enregistré automatiquement auparavant n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>The journey saved automatically cannot be opened: %1.  Nothing in the game was changed.</source>
        <translation>Le voyage enregistré automatiquement ne peut pas être ouvert : %1.  Rien n&apos;a été changé dans le jeu.</translation>
    </message>
    <message>
        <source>The journey saved automatically (&quot;%1&quot;) cannot be opened: </source>
        <translation>Le voyage enregistré automatiquement (&quot;%1&quot;) ne peut pas être ouvert : </translation>
    </message>
    <message>
        <source>its journal cannot be read (%1)</source>
        <translation>son journal ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>it holds %1 bytes, where a saved game holds %2</source>
        <translation>elle contient %1 octets, alors qu&apos;une partie enregistrée en contient %2</translation>
    </message>
    <message>
        <source>trade flag %1 holds %2, where only 0 or 1 can be</source>
        <translation>l&apos;indicateur d&apos;échange %1 vaut %2, alors que seuls 0 ou 1 sont possibles</translation>
    </message>
    <message>
        <source>its money is negative (%1)</source>
        <translation>son argent est négatif (%1)</translation>
    </message>
    <message>
        <source>it holds more money than the game can hold (%1)</source>
        <translation>elle contient plus d&apos;argent que le jeu ne peut en garder (%1)</translation>
    </message>
    <message>
        <source>The game could not be saved: %1.  A game saved earlier under this name is unchanged.</source>
        <translation>La partie n&apos;a pas pu être enregistrée : %1.  Une partie enregistrée plus tôt sous ce nom n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be replaced</source>
        <translation>&quot;%1&quot; ne peut pas être remplacé</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be put in place</source>
        <translation>&quot;%1&quot; ne peut pas être mis en place</translation>
    </message>
    <message>
        <source> (the game also writes a file of that name followed by &quot;~12&quot;)</source>
        <translation> (le jeu écrit aussi un fichier de ce nom suivi de &quot;~12&quot;)</translation>
    </message>
    <message>
        <source>The game was only partly saved: %1, and the earlier files could not all be put back.  Please save the game again under another name.</source>
        <translation>La partie n&apos;a pas été entièrement enregistrée : %1, et les anciens fichiers n&apos;ont pas tous pu être remis en place.  Enregistre de nouveau la partie sous un autre nom, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be opened: %2.  Nothing in the game was changed.</source>
        <translation>La partie enregistrée &quot;%1&quot; ne peut pas être ouverte : %2.  Rien n&apos;a été changé dans le jeu.</translation>
    </message>
    <message>
        <source>holds %1 bytes, far more than a saved game&apos;s can</source>
        <translation>contient %1 octets, bien plus que ne peut en contenir une partie enregistrée</translation>
    </message>
    <message>
        <source>its catch list &quot;%1&quot; %2</source>
        <translation>sa liste des prises &quot;%1&quot; %2</translation>
    </message>
    <message>
        <source>its catch list &quot;%1&quot; holds %2 lines, where a catch list has at most %3</source>
        <translation>sa liste des prises &quot;%1&quot; a %2 lignes, alors qu&apos;une liste des prises en a au plus %3</translation>
    </message>
    <message>
        <source>line %1 of its catch list &quot;%2&quot; is %3 characters long, where a line of the catch list has at most %4</source>
        <translation>la ligne %1 de sa liste des prises &quot;%2&quot; fait %3 caractères, alors qu&apos;une ligne de la liste des prises en a au plus %4</translation>
    </message>
    <message>
        <source>its file of party names &quot;%1&quot; %2</source>
        <translation>son fichier des noms du groupe &quot;%1&quot; %2</translation>
    </message>
    <message>
        <source>its file of party names &quot;%1&quot; holds %2 lines, where the %3 names belong</source>
        <translation>son fichier des noms du groupe &quot;%1&quot; a %2 lignes, alors qu&apos;il doit contenir les %3 noms</translation>
    </message>
    <message>
        <source>the name of traveller %1 is %2 characters long, where a traveller&apos;s name has at most %3</source>
        <translation>le nom du voyageur %1 fait %2 caractères, alors qu&apos;un nom de voyageur en a au plus %3</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be opened: it places the party in scene %2, which the market does not have.  Nothing in the game was changed.</source>
        <translation>La partie enregistrée &quot;%1&quot; ne peut pas être ouverte : elle place le groupe dans la scène %2, qui n&apos;existe pas au marché.  Rien n&apos;a été changé dans le jeu.</translation>
    </message>
    <message>
        <source>The journey cannot be opened: %1.  The trail starts from its first town.%2</source>
        <translation>Le voyage ne peut pas être ouvert : %1.  La piste repart de sa première ville.%2</translation>
    </message>
    <message>
        <source>%1 for &quot;%2&quot;</source>
        <translation>%1 pour &quot;%2&quot;</translation>
    </message>
    <message>
        <source>answers for part %1, which the trail does not have</source>
        <translation>répond aux questions de la partie %1, que la piste n&apos;a pas</translation>
    </message>
    <message>
        <source>answers for part %1 before it ended</source>
        <translation>répond aux questions de la partie %1 avant la fin de cette partie</translation>
    </message>
    <message>
        <source>answers question %1 of part %2, which it does not ask</source>
        <translation>répond à la question %1 de la partie %2, que cette partie ne pose pas</translation>
    </message>
    <message>
        <source>holds an answer longer than %1 characters</source>
        <translation>contient une réponse de plus de %1 caractères</translation>
    </message>
    <message>
        <source>comes after the journey&apos;s end</source>
        <translation>vient après la fin du voyage</translation>
    </message>
    <message>
        <source>names town %1, which is not on the trail</source>
        <translation>nomme la ville %1, qui n&apos;est pas sur la piste</translation>
    </message>
    <message>
        <source>reaches town %1 a second time</source>
        <translation>arrive une deuxième fois à la ville %1</translation>
    </message>
    <message>
        <source>meets the spirit of town %1 before the party reached it</source>
        <translation>rencontre l&apos;esprit de la ville %1 avant que le groupe y soit arrivé</translation>
    </message>
    <message>
        <source>meets a spirit in town %1, which has none</source>
        <translation>rencontre un esprit dans la ville %1, qui n&apos;en a pas</translation>
    </message>
    <message>
        <source>meets the spirit of town %1 a second time</source>
        <translation>rencontre une deuxième fois l&apos;esprit de la ville %1</translation>
    </message>
    <message>
        <source>trades in town %1 before the party reached it</source>
        <translation>fait un échange dans la ville %1 avant que le groupe y soit arrivé</translation>
    </message>
    <message>
        <source>leaves out what was traded</source>
        <translation>ne dit pas ce qui a été échangé</translation>
    </message>
    <message>
        <source>leaves out who was bitten or the treatment</source>
        <translation>ne dit pas qui a été mordu ou quel soin a été donné</translation>
    </message>
    <message>
        <source>is a second snakebite in one town</source>
        <translation>est une deuxième morsure de serpent dans une même ville</translation>
    </message>
    <message>
        <source>leaves out the fish</source>
        <translation>ne dit pas quel poisson a été pêché</translation>
    </message>
    <message>
        <source>is an empty note</source>
        <translation>est une note vide</translation>
    </message>
    <message>
        <source>gives a score below zero</source>
        <translation>donne un score inférieur à zéro</translation>
    </message>
    <message>
        <source>ends part %1, where only parts 1 to %2 end before the journey&apos;s end</source>
        <translation>termine la partie %1, alors que seules les parties 1 à %2 se terminent avant la fin du voyage</translation>
    </message>
    <message>
        <source>ends part %1 a second time</source>
        <translation>termine une deuxième fois la partie %1</translation>
    </message>
    <message>
        <source>ends part %1 before the party reached town %2</source>
        <translation>termine la partie %1 avant que le groupe soit arrivé à la ville %2</translation>
    </message>
    <message>
        <source>The journal cannot be read: %1.  Nothing in the game was changed.</source>
        <translation>Le journal du voyage ne peut pas être lu : %1.  Rien n&apos;a été changé dans le jeu.</translation>
    </message>
    <message>
        <source>its first line is not &quot;%1 %2&quot;</source>
        <translation>sa première ligne n&apos;est pas &quot;%1 %2&quot;</translation>
    </message>
    <message>
        <source>it was written by a newer Kelvarin (journal version %1)</source>
        <translation>il a été écrit par une version plus récente de Kelvarin (version %1 du journal)</translation>
    </message>
    <message>
        <source>its version %1 is not one the game knows</source>
        <translation>sa version %1 n&apos;est pas une version que le jeu connaît</translation>
    </message>
    <message>
        <source>is not an entry of the journal</source>
        <translation>n&apos;est pas une entrée du journal</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;, which a journal of version %2 does not have</source>
        <translation>contient &quot;%1&quot;, qui n&apos;existe pas dans un journal de la version %2</translation>
    </message>
    <message>
        <source>has %1 parts where a &quot;%2&quot; entry has %3</source>
        <translation>a %1 parties, alors qu&apos;une entrée &quot;%2&quot; en a %3</translation>
    </message>
    <message>
        <source>has &quot;%1&quot; where a number belongs</source>
        <translation>contient &quot;%1&quot; là où il faudrait un nombre</translation>
    </message>
    <message>
        <source>has an answer with a backslash or a control character the journal does not write</source>
        <translation>contient une réponse avec une barre oblique inverse ou un caractère de contrôle que le journal n&apos;écrit pas</translation>
    </message>
    <message>
        <source>has an answer that is empty or has blanks or control characters around its words</source>
        <translation>contient une réponse vide, ou avec des espaces ou des caractères de contrôle autour de ses mots</translation>
    </message>
    <message>
        <source>answers question %1 of part %2 a second time</source>
        <translation>répond une deuxième fois à la question %1 de la partie %2</translation>
    </message>
    <message>
        <source>comes after the answers, where only answers belong</source>
        <translation>vient après les réponses, là où il ne devrait y avoir que des réponses</translation>
    </message>
    <message>
        <source>calls the good &quot;%1&quot;, neither useful nor a trifle</source>
        <translation>qualifie l&apos;objet de &quot;%1&quot; au lieu d&apos;utile ou de babiole</translation>
    </message>
    <message>
        <source>has blanks or control characters around its words</source>
        <translation>a des espaces ou des caractères de contrôle autour de ses mots</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>la ligne %1 %2</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>We have three stories that will help you.</source>
        <translation>Nous avons trois histoires qui vont vous aider.</translation>
    </message>
    <message>
        <source>Would you like to hear another story?</source>
        <translation>Voulez-vous entendre une autre histoire ?</translation>
    </message>
    <message>
        <source>In this book I write the words of my people.  Our language was first written when one of our own made a sign for every sound we speak, and soon nearly all of us could read and write it.</source>
        <translation>Dans ce livre, j&apos;écris les mots de mon peuple.  Notre langue a été écrite pour la première fois quand l&apos;un des nôtres a créé un signe pour chaque son que nous prononçons, et bientôt, presque tous, nous savions la lire et l&apos;écrire.</translation>
    </message>
    <message>
        <source>Before a long journey, my mother rubbed my feet in the ashes of our fire, and we sang about the fox and the deer, whose feet are never frostbitten.  I sang that song on every cold morning of our walk.</source>
        <translation>Avant un long voyage, ma mère m&apos;a frotté les pieds dans les cendres de notre feu, et nous avons chanté une chanson sur le renard et le cerf, dont les pieds ne gèlent jamais.  J&apos;ai chanté cette chanson chaque matin froid de notre marche.</translation>
    </message>
    <message>
        <source>Long ago I found a young Verunai man lying hurt beside the trail.  I carried him to the spring below my cabin, and I cared for him until he was strong again.  From that day on, we were like brothers.</source>
        <translation>Il y a longtemps, j&apos;ai trouvé un jeune homme du peuple Verunai étendu, blessé, au bord de la piste.  Je l&apos;ai porté jusqu&apos;à la source, en contrebas de ma cabane, et je l&apos;ai soigné jusqu&apos;à ce qu&apos;il reprenne des forces.  À partir de ce jour, nous avons été comme des frères.</translation>
    </message>
    <message>
        <source>The soldiers held the families in a camp in the field below my farm.  They had been taken from their houses with only what they could carry.  Children burned their hands on the hot pots as they tried to get warm, so I cut leaves from my aloe plant and spread the cool juice on their burns.  Some of my neighbours bought the families&apos; cows for almost nothing.  Most of them just shut their doors.</source>
        <translation>Les soldats gardaient les familles dans un camp, dans le champ en contrebas de ma ferme.  On les avait emmenées de chez elles avec seulement ce qu&apos;elles pouvaient porter.  Les enfants se brûlaient les mains sur les marmites chaudes en essayant de se réchauffer, alors j&apos;ai coupé des feuilles de mon aloès et j&apos;ai étalé leur jus frais sur leurs brûlures.  Certains de mes voisins ont acheté les vaches des familles presque pour rien.  La plupart d&apos;entre eux se sont contentés de fermer leur porte.</translation>
    </message>
    <message>
        <source>Forty years I kept the ferry on this river.  When the soldiers brought the families here, the big ferry men saw a chance to get rich.  They charged a high price for every wagon and made the people wait for days in the cold rain.  I carried mothers and little ones across for nothing.  My wife met them at the landing with hot ginger tea to stop their shivering.</source>
        <translation>Pendant quarante ans, j&apos;ai tenu le bac sur cette rivière.  Quand les soldats ont amené les familles ici, les passeurs des grands bacs y ont vu une occasion de s&apos;enrichir.  Ils faisaient payer cher chaque chariot et faisaient attendre les gens pendant des jours sous la pluie froide.  Je faisais traverser les mères et les petits gratuitement.  Ma femme les accueillait au débarcadère avec une tisane de gingembre bien chaude pour arrêter leurs frissons.</translation>
    </message>
    <message>
        <source>Look at this little deer that I carved from a deer&apos;s horn, with its strong, quick legs.  I made it in the camp, where the soldiers kept us behind a fence of logs.  Men had found gold in our hills, and the state wanted our land for its farms, so the soldiers shut us in to wait for the march.  I gave a carved deer to every frightened child, and told them that the deer still runs free in our old hills.</source>
        <translation>Regardez ce petit cerf que j&apos;ai sculpté dans un bois de cerf, avec ses pattes solides et rapides.  Je l&apos;ai fait dans le camp, où les soldats nous gardaient derrière une palissade de rondins.  Des hommes avaient trouvé de l&apos;or dans nos collines, et l&apos;État voulait nos terres pour ses fermes, alors les soldats nous ont enfermés en attendant la marche.  J&apos;ai donné un cerf sculpté à chaque enfant qui avait peur, et je leur ai dit que le cerf court toujours en liberté dans nos anciennes collines.</translation>
    </message>
    <message>
        <source>&quot;Tali, my feet hurt,&quot; my little sister said.  &quot;Then climb on my back,&quot; I told her.  The soldiers had come to our door at supper time, and we left with our shoes half tied.  I carried her on my back from the red clay banks all the way to the big river.  On frosty mornings, Grandmother sprinkled cayenne pepper in our moccasins, and it stung a little, but it kept our toes warm.</source>
        <translation>&quot;Tali, j&apos;ai mal aux pieds&quot;, m&apos;a dit ma petite sœur.  &quot;Alors grimpe sur mon dos&quot;, lui ai-je répondu.  Les soldats étaient venus à notre porte à l&apos;heure du souper, et nous étions partis avec nos chaussures à moitié lacées.  Je l&apos;ai portée sur mon dos depuis les rives d&apos;argile rouge jusqu&apos;à la grande rivière.  Les matins de gel, Grand-mère saupoudrait du piment de Cayenne dans nos mocassins, et ça piquait un peu, mais ça gardait nos orteils au chaud.</translation>
    </message>
    <message>
        <source>My orders said that a law had been passed, and every Verunai family must go west, so we went from house to house with our guns.  At one door an old man held out his bear-hunting spear and said nothing, and I could not forget his face.  I carried that spear all the way west and put it back in his hands.  He smiled and said, &quot;Give it to the children who remember.&quot;  Here, it is yours now.</source>
        <translation>Mes ordres disaient qu&apos;une loi avait été votée et que chaque famille Verunai devait partir vers l&apos;ouest, alors nous sommes allés de maison en maison avec nos fusils.  À une porte, un vieil homme a tendu sa lance de chasse à l&apos;ours sans rien dire, et je n&apos;ai pas pu oublier son visage.  J&apos;ai porté cette lance tout le long du chemin vers l&apos;ouest et je l&apos;ai remise entre ses mains.  Il a souri et a dit : &quot;Donnez-la aux enfants qui se souviennent.&quot;  Tenez, elle est à vous maintenant.</translation>
    </message>
    <message>
        <source>Do you know the first song you ever heard?  My baby was born in the camp, far from our home, in the month the leaves fell.  When she grew hot with fever, I boiled willow bark and gave her the bitter tea, drop by drop.  I sang to her in our own language, so that the first words she heard would be ours, and she grew up to sing them to her own children.</source>
        <translation>Connaissez-vous la première chanson que vous avez entendue ?  Ma petite est née dans le camp, loin de chez nous, au mois où tombent les feuilles.  Quand elle est devenue toute chaude de fièvre, j&apos;ai fait bouillir de l&apos;écorce de saule et je lui ai donné la tisane amère, goutte à goutte.  Je lui chantais des chansons dans notre langue, pour que les premiers mots qu&apos;elle entende soient les nôtres, et, devenue grande, elle les a chantés à ses propres enfants.</translation>
    </message>
    <message>
        <source>I was the doctor sent with one group.  The cold rain fell for days, and so many people fell sick with coughs and fevers.  I wrote to the army and asked for more wagons and blankets for the sick.  The answer was no: the march must keep moving.  So each evening I gathered boneset along the creeks and brewed it in every camp.  It was never enough.</source>
        <translation>J&apos;étais le médecin envoyé avec l&apos;un des groupes.  La pluie froide est tombée pendant des jours, et tant de gens sont tombés malades, avec de la toux et de la fièvre.  J&apos;ai écrit à l&apos;armée pour demander plus de chariots et de couvertures pour les malades.  La réponse a été non : la marche devait continuer.  Alors chaque soir, je cueillais de l&apos;eupatoire le long des ruisseaux et j&apos;en faisais une tisane dans chaque camp.  Ce n&apos;était jamais assez.</translation>
    </message>
    <message>
        <source>&quot;Grandmother, why must we go?&quot; my granddaughter asked when the first snow came, and I told her the truth.  &quot;People far away wanted our land.  They made a law to send us west, and they sent soldiers to make us go.&quot;  That night the little ones coughed in the bitter cold, so I made lobelia ointment with bear fat and rubbed it on their chests.  My grandmother taught me that, and now my granddaughter knows it too.</source>
        <translation>&quot;Grand-mère, pourquoi devons-nous partir ?&quot; m&apos;a demandé ma petite-fille quand la première neige est tombée, et je lui ai dit la vérité.  &quot;Des gens qui vivaient loin d&apos;ici voulaient nos terres.  Ils ont fait une loi pour nous envoyer à l&apos;ouest, et ils ont envoyé des soldats pour nous obliger à partir.&quot;  Cette nuit-là, les petits toussaient dans le froid mordant, alors j&apos;ai préparé un onguent de lobélie avec de la graisse d&apos;ours et je leur en ai frotté la poitrine.  Ma grand-mère m&apos;avait appris cela, et maintenant ma petite-fille le sait aussi.</translation>
    </message>
    <message>
        <source>My friend, another minister, was sent to prison for living among the Verunai.  His case went to the highest court in the land, and the judges said the state had no right to rule the Verunai or take their land.  We had won!  But the President would not make the state obey.  So I chose to walk west with the people.  Many could not sleep for grief, and each night I brewed lemon balm tea from the leaves in my pack.</source>
        <translation>Mon ami, un autre pasteur, a été envoyé en prison parce qu&apos;il vivait parmi les Verunai.  Son affaire est allée jusqu&apos;à la plus haute cour du pays, et les juges ont dit que l&apos;État n&apos;avait pas le droit de gouverner les Verunai ni de prendre leurs terres.  Nous avions gagné !  Mais le Président n&apos;a pas voulu obliger l&apos;État à obéir.  Alors j&apos;ai choisi de marcher vers l&apos;ouest avec le peuple.  Beaucoup avaient trop de chagrin pour dormir, et chaque soir, je préparais une tisane de mélisse avec les feuilles que j&apos;avais dans mon sac.</translation>
    </message>
    <message>
        <source>This basket is dyed red with blood root.  My mother wove it, and she used the same root for sore throats.  We waited beside this frozen river for many weeks, because the ice was too thin to cross and too thick for the boats.  I kept thinking of our farm, which the state had given away in a lottery, so strangers slept in our house.  This basket held all we had left of home.</source>
        <translation>Ce panier est teint en rouge avec de la racine de sanguinaire.  Ma mère l&apos;a tressé, et elle utilisait la même racine contre les maux de gorge.  Nous avons attendu au bord de cette rivière gelée pendant de nombreuses semaines, parce que la glace était trop mince pour qu&apos;on la traverse et trop épaisse pour les bateaux.  Je n&apos;arrêtais pas de penser à notre ferme, que l&apos;État avait distribuée par une loterie, si bien que des inconnus dormaient dans notre maison.  Ce panier contenait tout ce qui nous restait de chez nous.</translation>
    </message>
    <message>
        <source>When the families camped beside our farm in the snow, the store in town sold them flour at three times its price.  Father said we had little to spare.  Mother said, &quot;Then we will share the little.&quot;  The children were sick from spoiled food, so we boiled blackberry leaves that we had dried in summer and carried the tea out in buckets.  I was thirteen years old, and I never forgot their thanks.</source>
        <translation>Quand les familles ont campé près de notre ferme, dans la neige, le magasin de la ville leur vendait la farine à trois fois son prix.  Mon père a dit que nous n&apos;avions pas grand-chose en trop.  Ma mère a répondu : &quot;Alors nous partagerons ce peu.&quot;  Les enfants étaient malades à cause de nourriture avariée, alors nous avons fait bouillir des feuilles de mûrier sauvage que nous avions séchées en été, et nous leur avons apporté la tisane dans des seaux.  J&apos;avais treize ans, et je n&apos;ai jamais oublié leurs remerciements.</translation>
    </message>
    <message>
        <source>When the soldiers had gathered us into camps, our Principal Chief asked that our own people lead the march west, and not the army.  I led one group of a thousand.  In the winter camp the water was bad, and many grew sick.  We boiled cranesbill root and gave the tea to everyone who was ill.  Each morning I counted every person in my group.  I remember every name.</source>
        <translation>Après que les soldats nous ont rassemblés dans des camps, notre Chef principal a demandé que ce soit notre propre peuple qui mène la marche vers l&apos;ouest, et non l&apos;armée.  J&apos;ai mené un groupe de mille personnes.  Dans le camp d&apos;hiver, l&apos;eau était mauvaise, et beaucoup sont tombés malades.  Nous avons fait bouillir de la racine de géranium sauvage et donné la tisane à tous ceux qui étaient malades.  Chaque matin, je comptais chaque personne de mon groupe.  Je me souviens de chaque nom.</translation>
    </message>
    <message>
        <source>The government paid men like me to drive wagons for the sick and the old, and some of those men got rich on it.  I took the job for the money, I will not lie.  The wheels broke on the frozen ruts, and the people&apos;s hands cracked in the cold.  I used spruce pitch from the trees to mend the wagon and to seal their cuts, but the money was poor comfort for what I saw.</source>
        <translation>Le gouvernement payait des hommes comme moi pour conduire des chariots pour les malades et les personnes âgées, et certains de ces hommes se sont enrichis ainsi.  J&apos;ai pris ce travail pour l&apos;argent, je ne vais pas mentir.  Les roues se cassaient dans les ornières gelées, et les mains des gens se crevassaient dans le froid.  J&apos;ai utilisé la résine des épicéas pour réparer le chariot et pour refermer leurs coupures, mais l&apos;argent me consolait bien peu de ce que j&apos;ai vu.</translation>
    </message>
    <message>
        <source>My brother did not walk this trail.  When the soldiers came, he took his family high into the mountains and hid in the caves and the laurel thickets.  They stayed, and their children still live in our old homeland today.  I walked west with the rest of us.  Hunting was hard in the deep snow, but I shared every rabbit I caught.  When the wind cracked our faces, we rubbed them with bear oil.</source>
        <translation>Mon frère n&apos;a pas marché sur cette piste.  Quand les soldats sont venus, il a emmené sa famille très haut dans les montagnes et s&apos;est caché dans les grottes et les fourrés de lauriers.  Ils sont restés, et leurs enfants vivent encore aujourd&apos;hui sur notre ancienne terre natale.  J&apos;ai marché vers l&apos;ouest avec tous les autres.  La chasse était difficile dans la neige profonde, mais j&apos;ai partagé chaque lapin que j&apos;ai attrapé.  Quand le vent nous gerçait le visage, nous le frottions avec de l&apos;huile d&apos;ours.</translation>
    </message>
    <message>
        <source>Every night I sang the old songs, so the children would learn them.  The path to the spring was covered with ice, and we slipped and fell carrying water.  I rubbed arnica on the bruises, and with every bruise I taught one more verse.  The soldiers could take our homes, but not a song we carried inside us.  Listen now, and I will sing you the first verse.</source>
        <translation>Chaque soir, je chantais les vieux chants, pour que les enfants les apprennent.  Le chemin de la source était couvert de glace, et nous glissions et tombions en portant l&apos;eau.  Je frottais les bleus avec de l&apos;arnica, et à chaque bleu, j&apos;enseignais un couplet de plus.  Les soldats pouvaient prendre nos maisons, mais pas un chant que nous portions en nous.  Écoutez maintenant, je vais vous chanter le premier couplet.</translation>
    </message>
    <message>
        <source>I write in our own letters.  Before the soldiers came, a small group of men signed a treaty to sell all our land.  They did not speak for the nation.  I helped carry a paper against it, and more than fifteen thousand of our people signed their names.  The leaders in the capital would not listen.  On the trail my hands cracked from writing in the cold, so I rubbed them with bittersweet salve and wrote letters home for the people.</source>
        <translation>J&apos;écris avec nos propres lettres.  Avant l&apos;arrivée des soldats, un petit groupe d&apos;hommes a signé un traité pour vendre toutes nos terres.  Ils ne parlaient pas au nom de la nation.  J&apos;ai aidé à porter un papier contre ce traité, et plus de quinze mille personnes de notre peuple y ont signé leur nom.  Les dirigeants de la capitale n&apos;ont pas voulu écouter.  Sur la piste, mes mains se crevassaient à force d&apos;écrire dans le froid, alors je les frottais avec un baume de douce-amère et j&apos;écrivais des lettres pour les gens, à envoyer au pays.</translation>
    </message>
    <message>
        <source>&quot;Stay away from them,&quot; Father said when the families camped by our fields in the wet snow, and most of our neighbours shut their doors.  But their fires kept going out, and I was ten years old and knew a trick.  I ran to a Verunai boy with a pocket full of birchbark and said, &quot;It burns even when it is damp.&quot;  His fire caught on the first try, and we sat beside it and traded names.</source>
        <translation>&quot;Tenez-vous loin d&apos;eux&quot;, a dit mon père quand les familles ont campé près de nos champs dans la neige mouillée, et la plupart de nos voisins ont fermé leur porte.  Mais leurs feux n&apos;arrêtaient pas de s&apos;éteindre, et moi, j&apos;avais dix ans et je connaissais une astuce.  J&apos;ai couru vers un garçon Verunai avec une poche pleine d&apos;écorce de bouleau et je lui ai dit : &quot;Ça brûle même quand c&apos;est humide.&quot;  Son feu a pris du premier coup, et nous nous sommes assis à côté et nous avons échangé nos noms.</translation>
    </message>
    <message>
        <source>My wife grew weak with a cough that would not stop.  Every night I made her bugleweed tea, and I held her hand as we walked, because the soldiers would not let us rest.  She died on a grey morning, and we buried her beside the road with a song.  She had asked me to walk on for our children, and so I did.  They are the reason I am here to speak with you.</source>
        <translation>Ma femme s&apos;est affaiblie à cause d&apos;une toux qui ne voulait pas s&apos;arrêter.  Chaque soir, je lui préparais une tisane de lycope, et je lui tenais la main pendant que nous marchions, parce que les soldats ne nous laissaient pas nous reposer.  Elle est morte par un matin gris, et nous l&apos;avons enterrée au bord de la route avec un chant.  Elle m&apos;avait demandé de continuer à marcher pour nos enfants, et c&apos;est ce que j&apos;ai fait.  C&apos;est pour eux que je suis ici, à vous parler.</translation>
    </message>
    <message>
        <source>Have you ever seen calendula flowers?  They are golden as the sun, and I carried them dried in my bag of herbs.  By the end of winter that bag was nearly empty.  When the river ice broke, people cut their feet on its sharp edges, and I washed their cuts with calendula water so that they healed clean.  Many of the plants we knew did not grow in the land they sent us to.</source>
        <translation>Avez-vous déjà vu des fleurs de calendula ?  Elles sont dorées comme le soleil, et je les portais séchées dans mon sac d&apos;herbes.  À la fin de l&apos;hiver, ce sac était presque vide.  Quand la glace de la rivière s&apos;est brisée, des gens se sont coupé les pieds sur ses bords tranchants, et j&apos;ai lavé leurs coupures avec de l&apos;eau de calendula pour qu&apos;elles guérissent proprement.  Beaucoup des plantes que nous connaissions ne poussaient pas sur la terre où on nous a envoyés.</translation>
    </message>
    <message>
        <source>I was a free man with a smithy by this road, and I knew what it was to be pushed aside.  When the wagons came through with broken wheels and cracked axles, I worked all night to mend them, and I would not take a penny.  My wife sent out strings of garlic from our cellar, good against coughs and colds.  In the morning the wagons rolled on, and I went back to my fire.</source>
        <translation>J&apos;étais un homme libre, avec une forge au bord de cette route, et je savais ce que c&apos;était d&apos;être mis à l&apos;écart.  Quand les chariots passaient avec des roues cassées et des essieux fendus, je travaillais toute la nuit pour les réparer, et je refusais de prendre le moindre sou.  Ma femme envoyait des tresses d&apos;ail de notre cave, bonnes contre la toux et le rhume.  Au matin, les chariots repartaient, et je retournais à mon feu.</translation>
    </message>
    <message>
        <source>Many of my pupils walked this trail, so I followed them west to keep their school going.  On the way, when fevers came back, the older girls showed me how to make dogwood bark tea, and I wrote down every step.  In the west the Verunai built their nation again.  They had their own council and their own newspaper, and more schools than before.  My pupils became the teachers.</source>
        <translation>Beaucoup de mes élèves ont marché sur cette piste, alors je les ai suivis vers l&apos;ouest pour que leur école continue.  En chemin, quand les fièvres revenaient, les filles plus âgées m&apos;ont montré comment faire une tisane d&apos;écorce de cornouiller, et j&apos;ai noté chaque étape.  Dans l&apos;ouest, les Verunai ont rebâti leur nation.  Ils avaient leur propre conseil et leur propre journal, et plus d&apos;écoles qu&apos;avant.  Mes élèves sont devenus les enseignants.</translation>
    </message>
    <message>
        <source>They told us the land in the west would be ours for as long as the grass grows, but we did not choose it, and it was not home.  I was the oldest in our group, so each night I told the old stories by the fire, and the young ones learned who we are.  My walking stick is cut from a tulip poplar, and its bark made a tea for the weary.  Sit down beside me, and I will tell you one.</source>
        <translation>Ils nous ont dit que la terre de l&apos;ouest serait à nous aussi longtemps que l&apos;herbe pousserait, mais nous ne l&apos;avions pas choisie, et ce n&apos;était pas chez nous.  J&apos;étais la personne la plus âgée de notre groupe, alors chaque soir, je racontais les vieilles histoires près du feu, et les jeunes apprenaient qui nous sommes.  Mon bâton de marche est taillé dans un tulipier, et son écorce donnait une tisane pour les gens fatigués.  Asseyez-vous près de moi, et je vais vous en raconter une.</translation>
    </message>
    <message>
        <source>Feel this little pouch.  Before we left, my mother sewed it into my dress, full of seeds: corn, beans, squash, and savory for the cooking pot.  All winter I kept them dry, even when I was hungry.  In the spring we knelt in the strange red earth of the west and pressed the seeds in, one by one.  When the savory came up, our first stew tasted like home.</source>
        <translation>Touchez ce petit sachet.  Avant notre départ, ma mère l&apos;a cousu dans ma robe, rempli de graines : maïs, haricots, courges, et sarriette pour la marmite.  Tout l&apos;hiver, je les ai gardées au sec, même quand j&apos;avais faim.  Au printemps, nous nous sommes agenouillés dans l&apos;étrange terre rouge de l&apos;ouest et nous avons enfoncé les graines, une à une.  Quand la sarriette a poussé, notre premier ragoût avait le goût de chez nous.</translation>
    </message>
    <message>
        <source>We came to the west with very little, to a land we had never chosen.  Before summer came, I cut down trees and built a cabin for my family, and our neighbours helped me raise the roof.  We drank sumac-berry water, cool and sour, while we cleared the new fields.  It was not our old home.  But we planted, we held our council again, and we made it a home.</source>
        <translation>Nous sommes arrivés à l&apos;ouest avec très peu de choses, sur une terre que nous n&apos;avions jamais choisie.  Avant l&apos;arrivée de l&apos;été, j&apos;ai abattu des arbres et construit une cabane pour ma famille, et nos voisins m&apos;ont aidé à monter le toit.  Nous buvions de l&apos;eau de baies de sumac, fraîche et acidulée, pendant que nous défrichions les nouveaux champs.  Ce n&apos;était pas notre ancien chez-nous.  Mais nous avons planté, nous avons de nouveau réuni notre conseil, et nous en avons fait notre chez-nous.</translation>
    </message>
    <message>
        <source>I was a little girl on this trail, and I lived to be very old.  When food ran short, my mother boiled slippery elm bark into a porridge that kept us going.  I told my grandchildren everything, so that they would remember, and they told theirs.  Today our nations have their own governments, schools and languages, in the west and in the old mountains too.  We are still here.</source>
        <translation>J&apos;étais une petite fille sur cette piste, et j&apos;ai vécu jusqu&apos;à un très grand âge.  Quand la nourriture manquait, ma mère faisait bouillir de l&apos;écorce d&apos;orme rouge pour en faire une bouillie qui nous permettait de tenir.  J&apos;ai tout raconté à mes petits-enfants, pour qu&apos;ils se souviennent, et ils l&apos;ont raconté aux leurs.  Aujourd&apos;hui, nos nations ont leurs propres gouvernements, leurs écoles et leurs langues, à l&apos;ouest et aussi dans les vieilles montagnes.  Nous sommes toujours là.</translation>
    </message>
    <message>
        <source>Near a roadside market, friends share a campfire with Sedora, a wise Verunai woman.  She tells the story of her people.</source>
        <translation>Près d&apos;un marché au bord de la route, des amis partagent un feu de camp avec Sedora, une femme Verunai pleine de sagesse.  Elle raconte l&apos;histoire de son peuple.</translation>
    </message>
    <message>
        <source>Sedora has no children to carry on her stories.  She fears they will be forgotten.</source>
        <translation>Sedora n&apos;a pas d&apos;enfants pour transmettre ses histoires.  Elle a peur qu&apos;elles soient oubliées.</translation>
    </message>
    <message>
        <source>Soldiers forced my people from our homes.  They made us walk a long way, through the winter, to a distant new land.</source>
        <translation>Des soldats ont forcé mon peuple à quitter nos maisons.  Ils nous ont fait marcher très loin, tout au long de l&apos;hiver, jusqu&apos;à une nouvelle terre lointaine.</translation>
    </message>
    <message>
        <source>One in three of the people did not survive the journey.</source>
        <translation>Une personne sur trois n&apos;a pas survécu au voyage.</translation>
    </message>
    <message>
        <source>The Verunai named that journey Weyfarra, the trail where they cried.  It must never be forgotten.</source>
        <translation>Les Verunai ont appelé ce voyage Weyfarra, la piste où ils ont pleuré.  Il ne faut jamais l&apos;oublier.</translation>
    </message>
    <message>
        <source>It was said that whoever killed an eagle for sport would be haunted by dreams of fierce, swooping eagles.</source>
        <translation>On disait que quiconque tuait un aigle pour le plaisir serait hanté par des rêves d&apos;aigles féroces plongeant du ciel.</translation>
    </message>
    <message>
        <source>Dreaming of an eagle meant holding an Eagle Dance, with vigils and fasting, or the family might suffer.</source>
        <translation>Rêver d&apos;un aigle voulait dire qu&apos;il fallait organiser une Danse de l&apos;Aigle, avec des nuits de veille et des jeûnes, sinon la famille risquait d&apos;en souffrir.</translation>
    </message>
    <message>
        <source>The eagle is sacred: only great warriors and those versed in sacred rites wear eagle feathers in the dance.</source>
        <translation>L&apos;aigle est sacré : seuls les grands guerriers et ceux qui connaissent bien les rites sacrés portent des plumes d&apos;aigle pendant la danse.</translation>
    </message>
    <message>
        <source>Sedora takes your hands.  &quot;Close your eyes,&quot; she says.  When you open them, you stand on the ghostly Trail, and your journey is about to begin...</source>
        <translation>Sedora vous prend les mains.  &quot;Fermez les yeux&quot;, dit-elle.  Quand vous les rouvrez, vous vous tenez sur la Piste fantôme, et votre voyage va commencer...</translation>
    </message>
    <message>
        <source>You have walked the Weyfarra trail with us, from the old homeland to the land in the west.  Others wanted our land, and a law and a treaty signed by a few were used to force us out.  We spoke up with petitions and in the highest court, and some of us hid in the mountains and stayed.  Remember the few who helped, and the many who looked away.  The Verunai are still here today, as nations: we speak our language, sing our songs and tell our stories.  Now you carry them too.  Thank you for walking with us.</source>
        <translation>Vous avez parcouru la piste Weyfarra avec nous, de l&apos;ancienne terre natale jusqu&apos;à la terre de l&apos;ouest.  D&apos;autres voulaient nos terres, et on s&apos;est servi d&apos;une loi, et d&apos;un traité signé par quelques-uns, pour nous forcer à partir.  Nous avons fait entendre notre voix avec des pétitions et devant la plus haute cour du pays, et certains d&apos;entre nous se sont cachés dans les montagnes et y sont restés.  Souvenez-vous des quelques-uns qui ont aidé, et des nombreux autres qui ont détourné les yeux.  Les Verunai sont toujours là aujourd&apos;hui, en tant que nations : nous parlons notre langue, nous chantons nos chants et nous racontons nos histoires.  Maintenant, vous les portez vous aussi.  Merci d&apos;avoir marché avec nous.</translation>
    </message>
    <message>
        <source>These are remedies people used long ago.  Many of these plants are poisonous: never try them yourself.</source>
        <translation>Voici des remèdes que les gens utilisaient il y a longtemps.  Beaucoup de ces plantes sont toxiques : n&apos;essayez jamais de les utiliser vous-mêmes.</translation>
    </message>
    <message>
        <source>A journey along the Verunai removal trail, made with care for students and teachers.</source>
        <translation>Un voyage sur la piste de la déportation des Verunai, fait avec soin pour élèves et enseignants.</translation>
    </message>
</context>
<context>
    <name>TAbout1</name>
    <message>
        <source>About Kelvarin</source>
        <translation>À propos de Kelvarin</translation>
    </message>
    <message>
        <source>Kelvarin emblem</source>
        <translation>Emblème de Kelvarin</translation>
    </message>
    <message>
        <source>&amp;No, don&apos;t quit</source>
        <translation>&amp;Non, je reste</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Are you sure you want to restart the game?</source>
        <translation>Veux-tu vraiment recommencer le jeu ?</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit?</source>
        <translation>Veux-tu vraiment quitter ?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
</context>
<context>
    <name>TFleaMarket</name>
    <message>
        <source>Flea Market</source>
        <translation>Marché aux puces</translation>
    </message>
    <message>
        <source>Market scene</source>
        <translation>Scène du marché</translation>
    </message>
    <message>
        <source>Door #4</source>
        <translation>Porte n° 4</translation>
    </message>
    <message>
        <source>Click to Enter</source>
        <translation>Clique pour entrer</translation>
    </message>
    <message>
        <source>Press to enter the shop.</source>
        <translation>Appuie pour entrer dans la boutique.</translation>
    </message>
    <message>
        <source>Door #3</source>
        <translation>Porte n° 3</translation>
    </message>
    <message>
        <source>This shop is closed today</source>
        <translation>Cette boutique est fermée aujourd&apos;hui</translation>
    </message>
    <message>
        <source>This shop is closed today.</source>
        <translation>Cette boutique est fermée aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Way out</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Press to leave the shop.</source>
        <translation>Appuie pour sortir de la boutique.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>The next day at the flea market, you meet Sedora again, and she tells you a Verunai legend.  She is ready to send you on a strange adventure, but first you must do some shopping!</source>
        <translation>Le lendemain, au marché aux puces, tu retrouves Sedora, et elle te raconte une légende Verunai.  Elle est prête à t&apos;envoyer dans une étrange aventure, mais d&apos;abord, tu dois faire quelques achats !</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Wooden frame</source>
        <translation>Cadre en bois</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inventaire</translation>
    </message>
    <message>
        <source>Shows what the party has.</source>
        <translation>Montre ce que le groupe possède.</translation>
    </message>
    <message>
        <source>The next day, you and your friends are shopping at the flea market.  You have $50 to spend. </source>
        <translation>Le lendemain, tes amis et toi faites des achats au marché aux puces.  Vous avez 50 $ à dépenser. </translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Aigle</translation>
    </message>
    <message>
        <source>Press for a hint.</source>
        <translation>Appuie pour un indice.</translation>
    </message>
    <message>
        <source>The picture file &quot;%1&quot; is missing or damaged.</source>
        <translation>Le fichier d&apos;image &quot;%1&quot; est absent ou abîmé.</translation>
    </message>
    <message>
        <source>The flea market lane.</source>
        <translation>L&apos;allée du marché aux puces.</translation>
    </message>
    <message>
        <source>Inside the shop.</source>
        <translation>Dans la boutique.</translation>
    </message>
    <message>
        <source>Press to open the store.</source>
        <translation>Appuie pour ouvrir le magasin.</translation>
    </message>
    <message>
        <source>Click on Door #4 to visit one of the shops now, and be sure to buy some items.</source>
        <translation>Clique sur la Porte n° 4 pour visiter une des boutiques, et n&apos;oublie pas d&apos;acheter quelques objets.</translation>
    </message>
    <message>
        <source>Click on the screen to bring up the STORE MENU, and select the items you want to buy.  Then click the PURCHASE button.</source>
        <translation>Clique sur l&apos;écran pour ouvrir la LISTE DU MAGASIN, et choisis les objets que tu veux acheter.  Ensuite, clique sur le bouton ACHETER.</translation>
    </message>
    <message>
        <source>You haven&apos;t purchased anything from the store!  You won&apos;t be able to trade.</source>
        <translation>Tu n&apos;as rien acheté au magasin !  Tu ne pourras pas faire d&apos;échanges.</translation>
    </message>
    <message>
        <source>After visiting all the shops, and making your purchases, Sedora tells you how to start a very strange journey!</source>
        <translation>Après avoir visité toutes les boutiques et fait tes achats, Sedora t&apos;explique comment commencer un voyage très étrange !</translation>
    </message>
    <message>
        <source>This shop is closed today.  Door #4 is open.</source>
        <translation>Cette boutique est fermée aujourd&apos;hui.  La Porte n° 4 est ouverte.</translation>
    </message>
    <message>
        <source>Hello there!  May I help you?</source>
        <translation>Bonjour !  Je peux t&apos;aider ?</translation>
    </message>
    <message>
        <source>Thank you kindly!</source>
        <translation>Merci beaucoup !</translation>
    </message>
    <message>
        <source>right side</source>
        <translation>à droite</translation>
    </message>
    <message>
        <source>right or left side</source>
        <translation>à droite ou à gauche</translation>
    </message>
    <message>
        <source>left side</source>
        <translation>à gauche</translation>
    </message>
    <message>
        <source>right side or bottom</source>
        <translation>à droite ou en bas</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>en bas</translation>
    </message>
    <message>
        <source>Click on doors to enter shops.  Or click on the items you wish to buy, and select them from the list.</source>
        <translation>Clique sur les portes pour entrer dans les boutiques.  Ou clique sur les objets que tu veux acheter, et choisis-les dans la liste.</translation>
    </message>
    <message>
        <source>The shopkeeper may speak to you.  Place cursor over face of shopkeeper, and click the mouse button.</source>
        <translation>Le marchand va peut-être te parler.  Place le pointeur sur le visage du marchand, et clique avec la souris.</translation>
    </message>
    <message>
        <source>You may purchase items shown in this scene.  Click on the items you wish to buy, and select them from the list.</source>
        <translation>Tu peux acheter les objets que tu vois dans cette scène.  Clique sur les objets que tu veux acheter, et choisis-les dans la liste.</translation>
    </message>
    <message>
        <source>Click on the THIS WAY sign at the %1 of the screen to change scenes.</source>
        <translation>Clique sur le panneau THIS WAY (par ici), %1 sur l&apos;écran, pour changer de scène.</translation>
    </message>
</context>
<context>
    <name>TGame</name>
    <message>
        <source>Scene</source>
        <translation>Scène</translation>
    </message>
    <message>
        <source>Bottom bar</source>
        <translation>Barre du bas</translation>
    </message>
    <message>
        <source>Visit the Trading Post</source>
        <translation>Visiter le comptoir</translation>
    </message>
    <message>
        <source>Look Around </source>
        <translation>Regarder autour </translation>
    </message>
    <message>
        <source>Go To Next Town</source>
        <translation>Ville suivante</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Weyfarra Map</source>
        <translation>Carte de Weyfarra</translation>
    </message>
    <message>
        <source>Your Party</source>
        <translation>Ton groupe</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inventaire</translation>
    </message>
    <message>
        <source>A traveller needs care</source>
        <translation>Un voyageur a besoin de soins</translation>
    </message>
    <message>
        <source>Name your travellers here</source>
        <translation>Donne un nom à tes voyageurs ici</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>What will you do?</source>
        <translation>Que vas-tu faire ?</translation>
    </message>
    <message>
        <source>Clean the wound thoroughly.</source>
        <translation>Bien nettoyer la plaie.</translation>
    </message>
    <message>
        <source>Clean wound, and give the patient snakeroot tea.</source>
        <translation>Nettoyer la plaie et donner une tisane de serpentaire.</translation>
    </message>
    <message>
        <source>Clean the wound, and apply lobelia and agrimony. </source>
        <translation>Nettoyer la plaie et appliquer de la lobélie et de l&apos;aigremoine. </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Your Journey</source>
        <translation>Ton voyage</translation>
    </message>
    <message>
        <source>Map of the journey</source>
        <translation>Carte du voyage</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Your party</source>
        <translation>Ton groupe</translation>
    </message>
    <message>
        <source>Choose Your Party</source>
        <translation>Choisis ton groupe</translation>
    </message>
    <message>
        <source>Name of traveller %1</source>
        <translation>Nom du voyageur %1</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Make a trade?</source>
        <translation>Faire un échange ?</translation>
    </message>
    <message>
        <source>Yes, I&apos;ll trade.</source>
        <translation>Oui, j&apos;échange.</translation>
    </message>
    <message>
        <source>Any more offers?</source>
        <translation>Une autre offre ?</translation>
    </message>
    <message>
        <source>No deals.</source>
        <translation>Non, merci.</translation>
    </message>
    <message>
        <source>Lake mask</source>
        <translation>Masque du lac</translation>
    </message>
    <message>
        <source>Ripples</source>
        <translation>Ronds dans l&apos;eau</translation>
    </message>
    <message>
        <source>Fish caught</source>
        <translation>Poisson pêché</translation>
    </message>
    <message>
        <source>Fishing rod</source>
        <translation>Canne à pêche</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Bouchon</translation>
    </message>
    <message>
        <source>Ripples on the water</source>
        <translation>Ronds sur l&apos;eau</translation>
    </message>
    <message>
        <source>The fish you caught</source>
        <translation>Le poisson que tu as pêché</translation>
    </message>
    <message>
        <source>You caught a fish!</source>
        <translation>Tu as pêché un poisson !</translation>
    </message>
    <message>
        <source>Please go on.</source>
        <translation>Continue, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>Next Story</source>
        <translation>Histoire suivante</translation>
    </message>
    <message>
        <source>The way your party travelled</source>
        <translation>Le chemin parcouru par ton groupe</translation>
    </message>
    <message>
        <source>Travel Again</source>
        <translation>Voyager encore</translation>
    </message>
    <message>
        <source>Leave the Game</source>
        <translation>Quitter le jeu</translation>
    </message>
    <message>
        <source>she</source>
        <translation>elle</translation>
    </message>
    <message>
        <source>he</source>
        <translation>il</translation>
    </message>
    <message>
        <source>Now click the &quot;Look Around&quot; button to see %1.</source>
        <translation>Maintenant, clique sur le bouton &quot;Regarder autour&quot; pour voir %1.</translation>
    </message>
    <message>
        <source>Then click on the screen, and %1 will speak to you.</source>
        <translation>Ensuite, clique sur l&apos;écran, et %1 va te parler.</translation>
    </message>
    <message>
        <source>Click on the screen again to try to trade with %1.  If you purchased the right items at the flea market, %2 will offer to give you %3.</source>
        <translation>Clique encore sur l&apos;écran pour essayer de faire un échange avec %1.  Si tu as acheté les bons objets au marché aux puces, %2 te proposera %3.</translation>
    </message>
    <message>
        <source>You need to get food for your party, as well as medicine.  If you are finished trading, click the &quot;Go Fishing&quot; button.</source>
        <translation>Ton groupe a besoin de nourriture et de remèdes.  Si tu as fini les échanges, clique sur &quot;Aller pêcher&quot;.</translation>
    </message>
    <message>
        <source>You need supplies for your party, as well as medicine.  If you are finished trading, click the &quot;Visit the Trading Post&quot; button.</source>
        <translation>Ton groupe a besoin de provisions et de remèdes.  Si tu as fini les échanges, clique sur &quot;Visiter le comptoir&quot;.</translation>
    </message>
    <message>
        <source>Now click on the screen to enter the trading post.</source>
        <translation>Maintenant, clique sur l&apos;écran pour entrer dans le comptoir.</translation>
    </message>
    <message>
        <source>Since this is a ghostly establishment, the proprietors may not have seen any customers in a while...</source>
        <translation>C&apos;est un endroit de fantômes : les propriétaires n&apos;ont peut-être pas vu de clients depuis longtemps...</translation>
    </message>
    <message>
        <source>It looks like they&apos;re ready to help you.  Click on the screen to purchase your supplies.</source>
        <translation>On dirait qu&apos;ils sont prêts à t&apos;aider.  Clique sur l&apos;écran pour acheter tes provisions.</translation>
    </message>
    <message>
        <source>You and your friends find yourselves in a covered wagon on the Trail.          </source>
        <translation>Tes amis et toi, vous êtes dans un chariot bâché sur la Piste.          </translation>
    </message>
    <message>
        <source>Click the &quot;Go to next Town&quot; button to see how you can travel to the next town.</source>
        <translation>Clique sur le bouton &quot;Ville suivante&quot; pour voir comment aller jusqu&apos;à la ville suivante.</translation>
    </message>
    <message>
        <source>To travel on, go fishing, then click &quot;Look Around&quot; once more: &quot;Go To Next Town&quot; will be ready.</source>
        <translation>Pour continuer, va pêcher, puis clique sur &quot;Regarder autour&quot; : &quot;Ville suivante&quot; sera prêt.</translation>
    </message>
    <message>
        <source>To travel on, visit the trading post, then click &quot;Look Around&quot; once more: &quot;Go To Next Town&quot; will be ready.</source>
        <translation>Pour continuer, visite le comptoir, puis clique sur &quot;Regarder autour&quot; : &quot;Ville suivante&quot; sera prêt.</translation>
    </message>
    <message>
        <source>Go Fishing</source>
        <translation>Aller pêcher</translation>
    </message>
    <message>
        <source>The trading post seems empty.  Click on the screen again to see if anyone is here.</source>
        <translation>Le comptoir semble vide.  Clique encore sur l&apos;écran pour voir s&apos;il y a quelqu&apos;un.</translation>
    </message>
    <message>
        <source>%1&apos;s condition is critical.</source>
        <translation>L&apos;état de %1 est critique.</translation>
    </message>
    <message>
        <source>%1&apos;s condition is poor.</source>
        <translation>L&apos;état de %1 est mauvais.</translation>
    </message>
    <message>
        <source>%1&apos;s condition is fair.</source>
        <translation>L&apos;état de %1 est moyen.</translation>
    </message>
    <message>
        <source>%1&apos;s condition is good.</source>
        <translation>L&apos;état de %1 est bon.</translation>
    </message>
    <message>
        <source>Arriving in %1.</source>
        <translation>Arrivée à %1.</translation>
    </message>
    <message>
        <source>The map of the country the journey starts in.</source>
        <translation>La carte de la région où commence le voyage.</translation>
    </message>
    <message>
        <source>The map of the way to %1.</source>
        <translation>La carte du chemin jusqu&apos;à %1.</translation>
    </message>
    <message>
        <source>%1 stands in the scene.  Press to trade.</source>
        <translation>%1 se tient dans la scène.  Appuie pour faire un échange.</translation>
    </message>
    <message>
        <source>The trading post, seen from outside.  Press to go in.</source>
        <translation>Le comptoir, vu de l&apos;extérieur.  Appuie pour entrer.</translation>
    </message>
    <message>
        <source>Inside the trading post.  Press to wake the keepers.</source>
        <translation>Dans le comptoir.  Appuie pour réveiller les gardiens.</translation>
    </message>
    <message>
        <source>The keepers at their counter.  Press to buy supplies.</source>
        <translation>Les gardiens à leur comptoir.  Appuie pour acheter des provisions.</translation>
    </message>
    <message>
        <source>The lake.  Cast on the water; when the float goes under, pull in the rod.</source>
        <translation>Le lac.  Lance ta ligne sur l&apos;eau ; quand le bouchon s&apos;enfonce, tire la canne.</translation>
    </message>
    <message>
        <source>A snake on the trail.</source>
        <translation>Un serpent sur la piste.</translation>
    </message>
    <message>
        <source>Sedora&apos;s campfire.</source>
        <translation>Le feu de camp de Sedora.</translation>
    </message>
    <message>
        <source>Hear the story again</source>
        <translation>Écouter l&apos;histoire encore</translation>
    </message>
    <message>
        <source>The spirit tells its story once more (F5)</source>
        <translation>L&apos;esprit raconte encore son histoire (F5)</translation>
    </message>
    <message>
        <source>Will you give her %1 in exchange for %2?</source>
        <translation>Lui donnes-tu %1 contre %2 ?</translation>
    </message>
    <message>
        <source>Will you give him %1 in exchange for %2?</source>
        <translation>Lui donnes-tu %1 contre %2 ?</translation>
    </message>
    <message>
        <source>You have nothing to trade.</source>
        <translation>Tu n&apos;as rien à échanger.</translation>
    </message>
    <message>
        <source>You received %1.</source>
        <translation>Tu reçois : %1.</translation>
    </message>
    <message>
        <source>Your party has nothing left to eat.  Buy provisions at the trading post, or go hunting in the woods.</source>
        <translation>Ton groupe n&apos;a plus rien à manger.  Achète des provisions au comptoir, ou va chasser dans les bois.</translation>
    </message>
    <message>
        <source>Your party has nothing left to eat.  Buy provisions at the trading post.</source>
        <translation>Ton groupe n&apos;a plus rien à manger.  Achète des provisions au comptoir.</translation>
    </message>
    <message>
        <source>%1 was bitten by a snake!</source>
        <translation>Un serpent a mordu %1 !</translation>
    </message>
    <message>
        <source>Go hunting %1.</source>
        <translation>Aller chasser %1.</translation>
    </message>
    <message>
        <source>Walk on without hunting.</source>
        <translation>Continuer sans chasser.</translation>
    </message>
    <message>
        <source>Your Party: one traveller is ailing</source>
        <translation>Ton groupe : un voyageur ne va pas bien</translation>
    </message>
    <message>
        <source>Your Party: %1 travellers are ailing</source>
        <translation>Ton groupe : %1 voyageurs ne vont pas bien</translation>
    </message>
    <message>
        <source>Your Party: some travellers are weak</source>
        <translation>Ton groupe : des voyageurs sont faibles</translation>
    </message>
    <message>
        <source>%1 is too weak to walk on today.  Your party rests a day in %2 and cares for %1.</source>
        <translation>Aujourd&apos;hui, %1 est trop faible pour continuer à marcher.  Ton groupe se repose un jour à %2 et prend soin de %1.</translation>
    </message>
    <message>
        <source>There are tracks of game in these woods.</source>
        <translation>Il y a des traces de gibier dans ces bois.</translation>
    </message>
    <message>
        <source>%1 rests by the fire tonight.</source>
        <translation>Ce soir, %1 se repose près du feu.</translation>
    </message>
    <message>
        <source>%1 feels better already.</source>
        <translation>%1 se sent déjà mieux.</translation>
    </message>
    <message>
        <source>%1 for the %2 you traded for</source>
        <translation>%1 pour les échanges (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n useful goods</source>
        <translation>
            <numerusform>%n objet utile</numerusform>
            <numerusform>%n objets utiles</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 for treating the snakebite with snakeroot tea</source>
        <translation>%1 pour avoir soigné la morsure de serpent avec de la tisane de serpentaire</translation>
    </message>
    <message>
        <source>%1 for the %2 lb of fish in storage</source>
        <translation>%1 pour les %2 lb de poisson en réserve</translation>
    </message>
    <message>
        <source>%1 for the %2 you gave</source>
        <translation>%1 pour les remèdes donnés (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n remedies</source>
        <translation>
            <numerusform>%n remède</numerusform>
            <numerusform>%n remèdes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 for the %2 in good condition</source>
        <translation>%1 pour %2 en bon état</translation>
    </message>
    <message numerus="yes">
        <source>%n travellers</source>
        <translation>
            <numerusform>%n voyageur</numerusform>
            <numerusform>%n voyageurs</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Your final score is %1: %2.

Thank you for travelling with us.</source>
        <translation>Ton score final est de %1 : %2.

Merci d&apos;avoir voyagé avec nous.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message>
        <source>Your party has come to the end of the Weyfarra trail.  The spirits you met have told you their stories: remember them, and remember the Verunai, whose long walk you have followed.</source>
        <translation>Ton groupe est arrivé au bout de la piste Weyfarra.  Les esprits que tu as rencontrés t&apos;ont raconté leurs histoires : souviens-toi d&apos;elles, et souviens-toi des Verunai, dont tu as suivi la longue marche.</translation>
    </message>
    <message>
        <source>Journeys (*.kvj)</source>
        <translation>Voyages (*.kvj)</translation>
    </message>
    <message>
        <source>There is no journey on the trail to save.</source>
        <translation>Il n&apos;y a pas de voyage sur la piste à enregistrer.</translation>
    </message>
    <message>
        <source>The journey can be saved when the party is not travelling, listening to a spirit or treating a snakebite.  Please try again in a moment.</source>
        <translation>Le voyage peut être enregistré quand le groupe ne voyage pas, n&apos;écoute pas un esprit et ne soigne pas une morsure de serpent.  Réessaie dans un instant.</translation>
    </message>
    <message>
        <source>The journey could not be saved: &quot;%1&quot; is not a saved journey (it may be a game saved at the flea market), so it is not replaced.  Please choose another name.</source>
        <translation>Le voyage n&apos;a pas pu être enregistré : &quot;%1&quot; n&apos;est pas un voyage enregistré (c&apos;est peut-être une partie enregistrée au marché aux puces), alors il n&apos;est pas remplacé.  Choisis un autre nom, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>The journey &quot;%1&quot; cannot be opened: %2.  Nothing in the game was changed.</source>
        <translation>Le voyage &quot;%1&quot; ne peut pas être ouvert : %2.  Rien n&apos;a été changé dans le jeu.</translation>
    </message>
    <message>
        <source>its journal cannot be read (%1)</source>
        <translation>son journal ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>the picture &quot;%1&quot; it needs is missing from the game</source>
        <translation>l&apos;image &quot;%1&quot; dont il a besoin manque dans le jeu</translation>
    </message>
</context>
<context>
    <name>TIntro</name>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Sedora by the campfire</source>
        <translation>Sedora près du feu de camp</translation>
    </message>
</context>
<context>
    <name>TInventory</name>
    <message>
        <source>Flea Market Items</source>
        <translation>Objets du marché</translation>
    </message>
    <message>
        <source>Trading Post Items</source>
        <translation>Objets du comptoir</translation>
    </message>
    <message>
        <source>Traded Items</source>
        <translation>Objets échangés</translation>
    </message>
    <message>
        <source>Game Reserves</source>
        <translation>Réserves de gibier</translation>
    </message>
    <message>
        <source>Fish Caught</source>
        <translation>Poissons pêchés</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inventaire</translation>
    </message>
    <message>
        <source>Inventory background</source>
        <translation>Fond de l&apos;inventaire</translation>
    </message>
    <message>
        <source>Which list</source>
        <translation>Quelle liste</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source> (given as a remedy)</source>
        <translation> (donné comme remède)</translation>
    </message>
    <message>
        <source>Lines %1 to %2 of %3: %4</source>
        <translation>Lignes %1 à %2 sur %3 : %4</translation>
    </message>
</context>
<context>
    <name>TStore</name>
    <message>
        <source>Purchase Items</source>
        <translation>Acheter des objets</translation>
    </message>
    <message>
        <source>Store background</source>
        <translation>Fond du magasin</translation>
    </message>
    <message>
        <source>You have:     Buy:</source>
        <translation>Tu as :     Achète :</translation>
    </message>
    <message>
        <source>Unit Cost          Total Cost</source>
        <translation>Prix          Total</translation>
    </message>
    <message>
        <source>Your money:     $</source>
        <translation>Ton argent :     $</translation>
    </message>
    <message>
        <source>Total Purchases:     $</source>
        <translation>Total des achats :     $</translation>
    </message>
    <message>
        <source>You can&apos;t make these purchases.  You don&apos;t have enough money!</source>
        <translation>Tu ne peux pas faire ces achats.  Tu n&apos;as pas assez d&apos;argent !</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Purchase</source>
        <translation>&amp;Acheter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Buys everything chosen on all three pages.</source>
        <translation>Achète tout ce qui est choisi sur les trois pages.</translation>
    </message>
    <message>
        <source>How many %1 to buy</source>
        <translation>Combien de %1 acheter</translation>
    </message>
    <message>
        <source>More or fewer %1</source>
        <translation>Plus ou moins de %1</translation>
    </message>
    <message>
        <source>You have %1.  %2 each.  This row costs %3.</source>
        <translation>Tu en as %1.  Prix à l&apos;unité : %2.  Cette ligne coûte %3.</translation>
    </message>
    <message>
        <source>Page %1 of %2, from %3.</source>
        <translation>Page %1 sur %2, à partir de %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.  Type how many you want to buy, like 2.</source>
        <translation>&quot;%1&quot; n&apos;est pas un nombre.  Écris combien tu veux en acheter, par exemple 2.</translation>
    </message>
    <message>
        <source>%1 is less than nothing.  Type how many you want to buy, like 2.</source>
        <translation>%1, c&apos;est moins que rien.  Écris combien tu veux en acheter, par exemple 2.</translation>
    </message>
    <message>
        <source>You can have at most %1 of each thing, and you have %2 already.</source>
        <translation>Tu peux avoir au plus %1 de chaque objet, et tu en as déjà %2.</translation>
    </message>
    <message>
        <source>You can have at most %1 of each thing.  You have %2 already, so you can buy up to %3.</source>
        <translation>Tu peux avoir au plus %1 de chaque objet.  Tu en as déjà %2, alors tu peux en acheter jusqu&apos;à %3.</translation>
    </message>
    <message>
        <source>You can have at most %1 of each thing, so you can buy up to %1.</source>
        <translation>Tu peux avoir au plus %1 de chaque objet, alors tu peux en acheter jusqu&apos;à %1.</translation>
    </message>
</context>
<context>
    <name>Town</name>
    <message>
        <source>a settler woman who eased the families&apos; burns with her aloe plant</source>
        <translation>une pionnière qui a soulagé les brûlures des familles avec son aloès</translation>
    </message>
    <message>
        <source>the settler woman</source>
        <translation>la pionnière</translation>
    </message>
    <message>
        <source>some ALOE</source>
        <translation>de l&apos;ALOÈS</translation>
    </message>
    <message>
        <source>Aloe will soothe burns from the campfire and the kettle.  Martha&apos;s aloe is in good hands now.</source>
        <translation>L&apos;aloès apaisera les brûlures causées par le feu de camp et la bouilloire.  L&apos;aloès de Martha est maintenant entre de bonnes mains.</translation>
    </message>
    <message>
        <source>A farm at the edge of an autumn wood at dusk, with a cabin and a rail fence.</source>
        <translation>Une ferme à l&apos;orée d&apos;un bois d&apos;automne, au crépuscule, avec une cabane et une clôture de perches.</translation>
    </message>
    <message>
        <source>an old ferry keeper who carried families across the river for nothing</source>
        <translation>un vieux passeur qui faisait traverser la rivière aux familles gratuitement</translation>
    </message>
    <message>
        <source>the ferry keeper</source>
        <translation>le passeur</translation>
    </message>
    <message>
        <source>some GINGER TEA</source>
        <translation>de la TISANE DE GINGEMBRE</translation>
    </message>
    <message>
        <source>Ginger tea will warm anyone in your party who is chilled to the bone, as it warmed the families at Elias&apos;s landing.</source>
        <translation>La tisane de gingembre réchauffera tous ceux de ton groupe qui ont froid jusqu&apos;aux os, comme elle a réchauffé les familles au débarcadère d&apos;Elias.</translation>
    </message>
    <message>
        <source>A wide grey river with a ferry flatboat tied at its landing.</source>
        <translation>Une large rivière grise, avec un bac à fond plat attaché à son débarcadère.</translation>
    </message>
    <message>
        <source>a Verunai carver who made charms for the children</source>
        <translation>un sculpteur Verunai qui fabriquait des porte-bonheur pour les enfants</translation>
    </message>
    <message>
        <source>the carver</source>
        <translation>le sculpteur</translation>
    </message>
    <message>
        <source>a DEER&apos;S HORN TALISMAN</source>
        <translation>un TALISMAN EN BOIS DE CERF</translation>
    </message>
    <message>
        <source>The deer&apos;s horn talisman will give your party courage and luck when fishing and on the hard road ahead.  Hold on to it.</source>
        <translation>Le talisman en bois de cerf donnera à ton groupe du courage et de la chance à la pêche et sur la route difficile qui l&apos;attend.  Garde-le bien.</translation>
    </message>
    <message>
        <source>An old mill beside a creek in a misty autumn wood.</source>
        <translation>Un vieux moulin au bord d&apos;un ruisseau, dans un bois d&apos;automne brumeux.</translation>
    </message>
    <message>
        <source>a Verunai boy who carried his little sister on his back</source>
        <translation>un garçon Verunai qui a porté sa petite sœur sur son dos</translation>
    </message>
    <message>
        <source>the boy</source>
        <translation>le garçon</translation>
    </message>
    <message>
        <source>some CAYENNE PEPPER</source>
        <translation>du PIMENT DE CAYENNE</translation>
    </message>
    <message>
        <source>A pinch of cayenne pepper in your moccasins will keep your party&apos;s toes from freezing, as Tali&apos;s grandmother knew.</source>
        <translation>Une pincée de piment de Cayenne dans les mocassins empêchera les orteils de ton groupe de geler, comme la grand-mère de Tali le savait.</translation>
    </message>
    <message>
        <source>A trail along a red clay bank under bare autumn trees, with campfires below.</source>
        <translation>Une piste le long d&apos;une rive d&apos;argile rouge, sous des arbres d&apos;automne dénudés, avec des feux de camp en contrebas.</translation>
    </message>
    <message>
        <source>a young soldier who kept an old man&apos;s spear safe</source>
        <translation>un jeune soldat qui a gardé en lieu sûr la lance d&apos;un vieil homme</translation>
    </message>
    <message>
        <source>the soldier</source>
        <translation>le soldat</translation>
    </message>
    <message>
        <source>a BEAR-HUNTING SPEAR</source>
        <translation>une LANCE DE CHASSE À L&apos;OURS</translation>
    </message>
    <message>
        <source>The old man&apos;s bear-hunting spear will help your party find food and stay safe in wild country.  It is in your care now.</source>
        <translation>La lance de chasse à l&apos;ours du vieil homme aidera ton groupe à trouver de la nourriture et à rester en sécurité dans les terres sauvages.  Elle est maintenant sous ta garde.</translation>
    </message>
    <message>
        <source>A soldiers&apos; camp of white tents on a bare ridge under a grey sky.</source>
        <translation>Un camp de soldats aux tentes blanches sur une crête dénudée, sous un ciel gris.</translation>
    </message>
    <message>
        <source>a Verunai mother who cared for her baby in the camp</source>
        <translation>une mère Verunai qui a pris soin de son bébé dans le camp</translation>
    </message>
    <message>
        <source>the mother</source>
        <translation>la mère</translation>
    </message>
    <message>
        <source>some WILLOW BARK</source>
        <translation>de l&apos;ÉCORCE DE SAULE</translation>
    </message>
    <message>
        <source>Willow bark tea will ease fevers and aches in your party.  Selaqua is glad her remedy goes on with you.</source>
        <translation>La tisane d&apos;écorce de saule soulagera la fièvre et les douleurs dans ton groupe.  Selaqua est heureuse que son remède continue la route avec toi.</translation>
    </message>
    <message>
        <source>White birches beside a stream, with the camp&apos;s tents in the cold dawn.</source>
        <translation>Des bouleaux blancs au bord d&apos;un ruisseau, avec les tentes du camp dans l&apos;aube froide.</translation>
    </message>
    <message>
        <source>a doctor who was sent with one of the groups</source>
        <translation>un médecin qui a été envoyé avec l&apos;un des groupes</translation>
    </message>
    <message>
        <source>the doctor</source>
        <translation>le médecin</translation>
    </message>
    <message>
        <source>some BONESET</source>
        <translation>de l&apos;EUPATOIRE</translation>
    </message>
    <message>
        <source>Boneset tea will help anyone in your party who comes down with the flu.  The doctor wishes he had had more of it.</source>
        <translation>La tisane d&apos;eupatoire aidera tous ceux de ton groupe qui attrapent la grippe.  Le médecin regrette de ne pas en avoir eu davantage.</translation>
    </message>
    <message>
        <source>Covered wagons and tents beside a creek in a cold autumn rain.</source>
        <translation>Des chariots bâchés et des tentes au bord d&apos;un ruisseau, sous une pluie froide d&apos;automne.</translation>
    </message>
    <message>
        <source>a Verunai grandmother who made medicines for the children</source>
        <translation>une grand-mère Verunai qui préparait des remèdes pour les enfants</translation>
    </message>
    <message>
        <source>the grandmother</source>
        <translation>la grand-mère</translation>
    </message>
    <message>
        <source>some LOBELIA OINTMENT</source>
        <translation>de l&apos;ONGUENT DE LOBÉLIE</translation>
    </message>
    <message>
        <source>Lobelia ointment rubbed on the chest will ease a bad cough.  Oyalee has passed her grandmother&apos;s knowledge on to you.</source>
        <translation>L&apos;onguent de lobélie, frotté sur la poitrine, calmera une mauvaise toux.  Oyalee t&apos;a transmis le savoir de sa grand-mère.</translation>
    </message>
    <message>
        <source>Snow falling in a hollow of pines, with a small hut among the trees.</source>
        <translation>De la neige qui tombe dans un creux entouré de pins, avec une petite hutte parmi les arbres.</translation>
    </message>
    <message>
        <source>a minister who walked west with the Verunai</source>
        <translation>un pasteur qui a marché vers l&apos;ouest avec les Verunai</translation>
    </message>
    <message>
        <source>the minister</source>
        <translation>le pasteur</translation>
    </message>
    <message>
        <source>some LEMON BALM</source>
        <translation>de la MÉLISSE</translation>
    </message>
    <message>
        <source>Lemon balm tea will calm worried minds and help your party sleep.  It is a gentle gift.</source>
        <translation>La tisane de mélisse apaisera les inquiétudes et aidera ton groupe à dormir.  C&apos;est un cadeau plein de douceur.</translation>
    </message>
    <message>
        <source>A small meeting house with lit windows on a snowy hill at evening.</source>
        <translation>Une petite maison de réunion aux fenêtres éclairées, sur une colline enneigée, le soir.</translation>
    </message>
    <message>
        <source>a young Verunai man who waited at the frozen river</source>
        <translation>un jeune homme Verunai qui a attendu au bord de la rivière gelée</translation>
    </message>
    <message>
        <source>the young man</source>
        <translation>le jeune homme</translation>
    </message>
    <message>
        <source>some BLOOD ROOT</source>
        <translation>de la RACINE DE SANGUINAIRE</translation>
    </message>
    <message>
        <source>Blood root will soothe sore throats in your party.  Dovani&apos;s mother would be glad to know it.</source>
        <translation>La racine de sanguinaire apaisera les maux de gorge dans ton groupe.  La mère de Dovani serait heureuse de le savoir.</translation>
    </message>
    <message>
        <source>A frozen river with broken ice at dawn, and a camp waiting on the snowy bank.</source>
        <translation>Une rivière gelée à la glace brisée, à l&apos;aube, et un camp qui attend sur la rive enneigée.</translation>
    </message>
    <message>
        <source>a farm girl whose family shared the little they had</source>
        <translation>une fille de fermiers dont la famille a partagé le peu qu&apos;elle avait</translation>
    </message>
    <message>
        <source>the farm girl</source>
        <translation>la fille de fermiers</translation>
    </message>
    <message>
        <source>some BLACKBERRY TEA</source>
        <translation>de la TISANE DE MÛRIER SAUVAGE</translation>
    </message>
    <message>
        <source>Blackberry tea will settle an upset stomach.  Ruth shares it gladly, as her mother would.</source>
        <translation>La tisane de mûrier sauvage calmera un estomac dérangé.  Ruth la partage avec joie, comme sa mère l&apos;aurait fait.</translation>
    </message>
    <message>
        <source>A snowy farm with smoke rising from its chimney, beside an iced river.</source>
        <translation>Une ferme enneigée dont la cheminée fume, au bord d&apos;une rivière couverte de glace.</translation>
    </message>
    <message>
        <source>a Verunai leader who guided one of the walking groups</source>
        <translation>un chef Verunai qui a guidé l&apos;un des groupes en marche</translation>
    </message>
    <message>
        <source>the leader</source>
        <translation>le chef</translation>
    </message>
    <message>
        <source>some CRANESBILL</source>
        <translation>du GÉRANIUM SAUVAGE</translation>
    </message>
    <message>
        <source>Cranesbill will help anyone in your party who is sick from bad water.  Oskaya trusts you to look after one another.</source>
        <translation>Le géranium sauvage aidera tous ceux de ton groupe qui sont malades à cause de la mauvaise eau.  Oskaya compte sur vous pour veiller les uns sur les autres.</translation>
    </message>
    <message>
        <source>Many tents under bare trees in a snowstorm.</source>
        <translation>De nombreuses tentes sous des arbres dénudés, dans une tempête de neige.</translation>
    </message>
    <message>
        <source>a wagon driver hired to carry the sick and the old</source>
        <translation>un conducteur de chariot engagé pour transporter les malades et les personnes âgées</translation>
    </message>
    <message>
        <source>the wagon driver</source>
        <translation>le conducteur de chariot</translation>
    </message>
    <message>
        <source>some SPRUCE PITCH</source>
        <translation>de la RÉSINE D&apos;ÉPICÉA</translation>
    </message>
    <message>
        <source>Spruce pitch will seal cuts and cracked hands, and mend a broken wagon too.  A useful thing to carry.</source>
        <translation>La résine d&apos;épicéa refermera les coupures et les crevasses des mains, et elle réparera aussi un chariot cassé.  Une chose utile à emporter.</translation>
    </message>
    <message>
        <source>A wagon stuck in the snow on a road through dark pines at dusk.</source>
        <translation>Un chariot coincé dans la neige sur une route qui traverse des pins sombres, au crépuscule.</translation>
    </message>
    <message>
        <source>a Verunai hunter whose brother hid in the mountains and stayed</source>
        <translation>un chasseur Verunai dont le frère s&apos;est caché dans les montagnes et y est resté</translation>
    </message>
    <message>
        <source>the hunter</source>
        <translation>le chasseur</translation>
    </message>
    <message>
        <source>some BEAR OIL</source>
        <translation>de l&apos;HUILE D&apos;OURS</translation>
    </message>
    <message>
        <source>Bear oil will protect your party&apos;s skin from the freezing wind.  Sakwi shares it as he shared all he had.</source>
        <translation>L&apos;huile d&apos;ours protégera du vent glacial la peau de ton groupe.  Sakwi la partage comme il a partagé tout ce qu&apos;il avait.</translation>
    </message>
    <message>
        <source>Snowy hills under a cold blue sky, with the trail winding between them.</source>
        <translation>Des collines enneigées sous un ciel bleu et froid, avec la piste qui serpente entre elles.</translation>
    </message>
    <message>
        <source>a young Verunai woman who kept the old songs</source>
        <translation>une jeune femme Verunai qui a préservé les vieux chants</translation>
    </message>
    <message>
        <source>the singer</source>
        <translation>la chanteuse</translation>
    </message>
    <message>
        <source>some ARNICA</source>
        <translation>de l&apos;ARNICA</translation>
    </message>
    <message>
        <source>Arnica will ease sore muscles and bruises from falls on the ice.  Lenoa hopes you will keep her songs too.</source>
        <translation>L&apos;arnica soulagera les courbatures et les bleus causés par les chutes sur la glace.  Lenoa espère que tu garderas aussi ses chants.</translation>
    </message>
    <message>
        <source>A frozen spring among icy rocks, deep in a grey winter wood.</source>
        <translation>Une source gelée entre des rochers couverts de glace, au fond d&apos;un bois gris d&apos;hiver.</translation>
    </message>
    <message>
        <source>a Verunai writer who spoke up against the treaty</source>
        <translation>un écrivain Verunai qui a pris la parole contre le traité</translation>
    </message>
    <message>
        <source>the writer</source>
        <translation>l&apos;écrivain</translation>
    </message>
    <message>
        <source>some BITTERSWEET</source>
        <translation>de la DOUCE-AMÈRE</translation>
    </message>
    <message>
        <source>A salve of bittersweet will heal sores and chapped skin.  With it, Tavin&apos;s hands could write again.</source>
        <translation>Un baume de douce-amère guérira les plaies et la peau gercée.  Grâce à lui, les mains de Tavin ont pu écrire de nouveau.</translation>
    </message>
    <message>
        <source>Bare, frozen fields with patches of snow along a rail fence under a grey sky.</source>
        <translation>Des champs nus et gelés, avec des plaques de neige le long d&apos;une clôture de perches, sous un ciel gris.</translation>
    </message>
    <message>
        <source>a settler boy who showed a Verunai boy how to start a fire</source>
        <translation>un fils de pionniers qui a montré à un garçon Verunai comment allumer un feu</translation>
    </message>
    <message>
        <source>the settler boy</source>
        <translation>le fils de pionniers</translation>
    </message>
    <message>
        <source>some BIRCHBARK</source>
        <translation>de l&apos;ÉCORCE DE BOULEAU</translation>
    </message>
    <message>
        <source>Birchbark will light your party&apos;s campfire even in wet weather.  Jacob&apos;s trick is yours now.</source>
        <translation>L&apos;écorce de bouleau fera prendre le feu de camp de ton groupe, même par temps humide.  L&apos;astuce de Jacob est à toi maintenant.</translation>
    </message>
    <message>
        <source>A birch copse by a frozen ford in wet snow, with a small farm beyond the bare fields.</source>
        <translation>Un bosquet de bouleaux près d&apos;un gué gelé, sous la neige mouillée, avec une petite ferme au-delà des champs nus.</translation>
    </message>
    <message>
        <source>a Verunai father who walked on for his children</source>
        <translation>un père Verunai qui a continué à marcher pour ses enfants</translation>
    </message>
    <message>
        <source>the father</source>
        <translation>le père</translation>
    </message>
    <message>
        <source>some BUGLEWEED</source>
        <translation>du LYCOPE</translation>
    </message>
    <message>
        <source>Bugleweed tea will quiet a cough that will not stop.  Kenet made it for his wife; keep it with care.</source>
        <translation>La tisane de lycope calmera une toux qui ne veut pas s&apos;arrêter.  Kenet la préparait pour sa femme ; garde-la avec soin.</translation>
    </message>
    <message>
        <source>Small wooden markers under a lone tree beside the road at a grey dawn.</source>
        <translation>De petites stèles en bois sous un arbre isolé, au bord de la route, dans une aube grise.</translation>
    </message>
    <message>
        <source>a Verunai healer who cared for the sick and the hurt</source>
        <translation>un guérisseur Verunai qui soignait les malades et les blessés</translation>
    </message>
    <message>
        <source>the healer</source>
        <translation>le guérisseur</translation>
    </message>
    <message>
        <source>some CALENDULA FLOWERS</source>
        <translation>des FLEURS DE CALENDULA</translation>
    </message>
    <message>
        <source>Calendula will help cuts and wounds heal cleanly.  Tsiwa&apos;s last flowers are in good hands.</source>
        <translation>Le calendula aidera les coupures et les blessures à guérir proprement.  Les dernières fleurs de Tsiwa sont entre de bonnes mains.</translation>
    </message>
    <message>
        <source>A river breaking up in the thaw, with mud and melting snow on its banks.</source>
        <translation>Une rivière qui dégèle et dont la glace se brise, avec de la boue et de la neige fondante sur ses rives.</translation>
    </message>
    <message>
        <source>a free blacksmith who mended the wagons for nothing</source>
        <translation>un forgeron, homme libre, qui réparait les chariots gratuitement</translation>
    </message>
    <message>
        <source>the blacksmith</source>
        <translation>le forgeron</translation>
    </message>
    <message>
        <source>some GARLIC</source>
        <translation>de l&apos;AIL</translation>
    </message>
    <message>
        <source>Garlic will help your party fight off colds.  It is given as freely as Isaac gave his work.</source>
        <translation>L&apos;ail aidera ton groupe à combattre les rhumes.  Il est donné sans rien demander en retour, comme Isaac donnait son travail.</translation>
    </message>
    <message>
        <source>A smithy with a glowing forge beside a muddy road, wagons waiting outside.</source>
        <translation>Une forge au feu rougeoyant au bord d&apos;une route boueuse, avec des chariots qui attendent dehors.</translation>
    </message>
    <message>
        <source>a teacher who followed her pupils west</source>
        <translation>une enseignante qui a suivi ses élèves vers l&apos;ouest</translation>
    </message>
    <message>
        <source>the teacher</source>
        <translation>l&apos;enseignante</translation>
    </message>
    <message>
        <source>some DOGWOOD BARK</source>
        <translation>de l&apos;ÉCORCE DE CORNOUILLER</translation>
    </message>
    <message>
        <source>Dogwood bark tea will bring down a fever.  Eleanor wrote down how it was made, so that it would not be lost.</source>
        <translation>La tisane d&apos;écorce de cornouiller fera baisser la fièvre.  Eleanor a noté comment on la préparait, pour que ce savoir ne se perde pas.</translation>
    </message>
    <message>
        <source>Open country in early spring, with a small log schoolhouse beside the trail.</source>
        <translation>Une campagne dégagée au début du printemps, avec une petite école en rondins au bord de la piste.</translation>
    </message>
    <message>
        <source>a Verunai elder who told the old stories by the fire</source>
        <translation>un aîné Verunai qui racontait les vieilles histoires près du feu</translation>
    </message>
    <message>
        <source>the elder</source>
        <translation>l&apos;aîné</translation>
    </message>
    <message>
        <source>some TULIP POPLAR</source>
        <translation>de l&apos;ÉCORCE DE TULIPIER</translation>
    </message>
    <message>
        <source>Tulip poplar bark tea will give strength to the weary.  Rest when you can, Sonak says.</source>
        <translation>La tisane d&apos;écorce de tulipier redonnera des forces aux gens fatigués.  Reposez-vous quand vous le pouvez, dit Sonak.</translation>
    </message>
    <message>
        <source>A campfire on an open ridge at dusk, with the first green in the grass.</source>
        <translation>Un feu de camp sur une crête dégagée, au crépuscule, avec l&apos;herbe qui commence à reverdir.</translation>
    </message>
    <message>
        <source>a Verunai girl who kept her mother&apos;s seeds safe all winter</source>
        <translation>une jeune fille Verunai qui a gardé à l&apos;abri les graines de sa mère tout l&apos;hiver</translation>
    </message>
    <message>
        <source>the girl</source>
        <translation>la jeune fille</translation>
    </message>
    <message>
        <source>some SAVORY</source>
        <translation>de la SARRIETTE</translation>
    </message>
    <message>
        <source>Savory will flavour your party&apos;s stew and settle their stomachs.  A taste of home for the road.</source>
        <translation>La sarriette parfumera le ragoût de ton groupe et calmera les estomacs.  Un goût de chez soi pour la route.</translation>
    </message>
    <message>
        <source>A green meadow in early spring, with wildflowers and a meadowlark on a post.</source>
        <translation>Une prairie verte au début du printemps, avec des fleurs sauvages et une sturnelle sur un poteau.</translation>
    </message>
    <message>
        <source>a young Verunai farmer who built a new home</source>
        <translation>un jeune fermier Verunai qui a bâti une nouvelle maison</translation>
    </message>
    <message>
        <source>the farmer</source>
        <translation>le fermier</translation>
    </message>
    <message>
        <source>some SUMAC</source>
        <translation>du SUMAC</translation>
    </message>
    <message>
        <source>Sumac-berry water will cool sore throats and quench your party&apos;s thirst on the last miles.</source>
        <translation>L&apos;eau de baies de sumac rafraîchira les gorges irritées et étanchera la soif de ton groupe sur la fin du chemin.</translation>
    </message>
    <message>
        <source>A new log cabin going up beside fresh-ploughed fields in spring.</source>
        <translation>Une nouvelle cabane en rondins en construction, à côté de champs fraîchement labourés, au printemps.</translation>
    </message>
    <message>
        <source>an old Verunai woman who walked the trail as a little girl</source>
        <translation>une vieille dame Verunai qui a marché sur la piste quand elle était petite fille</translation>
    </message>
    <message>
        <source>the old woman</source>
        <translation>la vieille dame</translation>
    </message>
    <message>
        <source>some SLIPPERY ELM BARK</source>
        <translation>de l&apos;ÉCORCE D&apos;ORME ROUGE</translation>
    </message>
    <message>
        <source>Slippery elm bark will soothe a sore throat and feed your party when food runs short.  Naliwa smiles: now her story lives on in you.</source>
        <translation>L&apos;écorce d&apos;orme rouge apaisera un mal de gorge et nourrira ton groupe quand la nourriture manquera.  Naliwa sourit : maintenant, son histoire continue de vivre en toi.</translation>
    </message>
    <message>
        <source>A river valley at sunrise in spring, with smoke rising from new homes.</source>
        <translation>La vallée d&apos;une rivière au lever du soleil, au printemps, avec de la fumée qui monte de nouvelles maisons.</translation>
    </message>
    <message>
        <source>A map of the country around the old homeland.</source>
        <translation>Une carte de la région autour de l&apos;ancienne terre natale.</translation>
    </message>
    <message>
        <source>a Verunai girl who walked this Trail nearly two hundred years ago</source>
        <translation>une jeune fille Verunai qui a marché sur cette Piste il y a près de deux cents ans</translation>
    </message>
    <message>
        <source>the Verunai girl</source>
        <translation>la jeune fille Verunai</translation>
    </message>
    <message>
        <source>some SNAKEROOT</source>
        <translation>de la SERPENTAIRE</translation>
    </message>
    <message>
        <source>Snakeroot will be very useful to your party if someone is bitten by a snake, so it was a very good trade!</source>
        <translation>La serpentaire sera très utile à ton groupe si quelqu&apos;un se fait mordre par un serpent, alors c&apos;était un très bon échange !</translation>
    </message>
    <message>
        <source>A meadow above a river at dusk, with pines on either side.</source>
        <translation>Une prairie au-dessus d&apos;une rivière, au crépuscule, avec des pins de chaque côté.</translation>
    </message>
    <message>
        <source>a young trapper who lived in this area long ago</source>
        <translation>un jeune trappeur qui vivait dans cette région il y a longtemps</translation>
    </message>
    <message>
        <source>the trapper</source>
        <translation>le trappeur</translation>
    </message>
    <message>
        <source>You&apos;ll need the bear oil as an ointment if anyone in your party catches pneumonia, so it was a very good trade!</source>
        <translation>Tu auras besoin de l&apos;huile d&apos;ours comme onguent si quelqu&apos;un de ton groupe attrape une pneumonie, alors c&apos;était un très bon échange !</translation>
    </message>
    <message>
        <source>A cabin by a spring at the edge of a pine forest.</source>
        <translation>Une cabane près d&apos;une source, à l&apos;orée d&apos;une forêt de pins.</translation>
    </message>
</context>
<context>
    <name>Trade</name>
    <message>
        <source>some snakeroot</source>
        <translation>de la serpentaire</translation>
    </message>
    <message>
        <source>bear oil</source>
        <translation>de l&apos;huile d&apos;ours</translation>
    </message>
    <message>
        <source>some aloe</source>
        <translation>de l&apos;aloès</translation>
    </message>
    <message>
        <source>ginger tea</source>
        <translation>de la tisane de gingembre</translation>
    </message>
    <message>
        <source>little deer&apos;s horn talisman</source>
        <translation>un petit talisman en bois de cerf</translation>
    </message>
    <message>
        <source>some cayenne pepper</source>
        <translation>du piment de Cayenne</translation>
    </message>
    <message>
        <source>bear-hunting spear</source>
        <translation>une lance de chasse à l&apos;ours</translation>
    </message>
    <message>
        <source>some willow bark</source>
        <translation>de l&apos;écorce de saule</translation>
    </message>
    <message>
        <source>some boneset</source>
        <translation>de l&apos;eupatoire</translation>
    </message>
    <message>
        <source>some lobelia ointment</source>
        <translation>de l&apos;onguent de lobélie</translation>
    </message>
    <message>
        <source>some lemon balm</source>
        <translation>de la mélisse</translation>
    </message>
    <message>
        <source>some blood root</source>
        <translation>de la racine de sanguinaire</translation>
    </message>
    <message>
        <source>blackberry tea</source>
        <translation>de la tisane de mûrier sauvage</translation>
    </message>
    <message>
        <source>some cranesbill</source>
        <translation>du géranium sauvage</translation>
    </message>
    <message>
        <source>some spruce pitch</source>
        <translation>de la résine d&apos;épicéa</translation>
    </message>
    <message>
        <source>some bear oil</source>
        <translation>de l&apos;huile d&apos;ours</translation>
    </message>
    <message>
        <source>some arnica</source>
        <translation>de l&apos;arnica</translation>
    </message>
    <message>
        <source>some bittersweet</source>
        <translation>de la douce-amère</translation>
    </message>
    <message>
        <source>some birchbark</source>
        <translation>de l&apos;écorce de bouleau</translation>
    </message>
    <message>
        <source>some bugleweed</source>
        <translation>du lycope</translation>
    </message>
    <message>
        <source>calendula flower</source>
        <translation>une fleur de calendula</translation>
    </message>
    <message>
        <source>some garlic</source>
        <translation>de l&apos;ail</translation>
    </message>
    <message>
        <source>some dogwood bark</source>
        <translation>de l&apos;écorce de cornouiller</translation>
    </message>
    <message>
        <source>some tulip poplar</source>
        <translation>de l&apos;écorce de tulipier</translation>
    </message>
    <message>
        <source>some savory</source>
        <translation>de la sarriette</translation>
    </message>
    <message>
        <source>some sumac</source>
        <translation>du sumac</translation>
    </message>
    <message>
        <source>some slippery elm bark</source>
        <translation>de l&apos;écorce d&apos;orme rouge</translation>
    </message>
    <message>
        <source>some firewood</source>
        <translation>du bois pour le feu</translation>
    </message>
    <message>
        <source>some colored rocks</source>
        <translation>des pierres de couleur</translation>
    </message>
    <message>
        <source>some turtle shells</source>
        <translation>des carapaces de tortue</translation>
    </message>
    <message>
        <source>some beads</source>
        <translation>des perles</translation>
    </message>
    <message>
        <source>some sassafrass tea</source>
        <translation>de la tisane de sassafras</translation>
    </message>
    <message>
        <source>some bird feathers</source>
        <translation>des plumes d&apos;oiseau</translation>
    </message>
    <message>
        <source>some reed whistles</source>
        <translation>des sifflets en roseau</translation>
    </message>
    <message>
        <source>some fishing worms</source>
        <translation>des vers pour la pêche</translation>
    </message>
    <message>
        <source>some cooking herbs</source>
        <translation>des herbes pour la cuisine</translation>
    </message>
    <message>
        <source>some fish oil</source>
        <translation>de l&apos;huile de poisson</translation>
    </message>
    <message>
        <source>some advice</source>
        <translation>des conseils</translation>
    </message>
    <message>
        <source>some pebbles</source>
        <translation>des cailloux</translation>
    </message>
    <message>
        <source>some seeds</source>
        <translation>des graines</translation>
    </message>
    <message>
        <source>some bits of string</source>
        <translation>des bouts de ficelle</translation>
    </message>
    <message>
        <source>some bugs</source>
        <translation>des insectes</translation>
    </message>
    <message>
        <source>some grass</source>
        <translation>de l&apos;herbe</translation>
    </message>
    <message>
        <source>some dirt</source>
        <translation>de la terre</translation>
    </message>
    <message>
        <source>some leaves</source>
        <translation>des feuilles</translation>
    </message>
    <message>
        <source>some good wishes</source>
        <translation>de bons vœux</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>Walk at the pace of the slowest, so that no one is left behind.</source>
        <translation>Marchez au pas du plus lent, pour que personne ne reste en arrière.</translation>
    </message>
    <message>
        <source>Fill your water gourd at every clean spring, for the next may be far.</source>
        <translation>Remplissez votre gourde à chaque source d&apos;eau propre, car la prochaine est peut-être loin.</translation>
    </message>
    <message>
        <source>Mend your moccasins before they wear through, and keep your feet dry.</source>
        <translation>Réparez vos mocassins avant qu&apos;ils soient troués, et gardez vos pieds au sec.</translation>
    </message>
    <message>
        <source>Rest before you are weary, and eat before you are weak.</source>
        <translation>Reposez-vous avant d&apos;être fatigués, et mangez avant d&apos;être faibles.</translation>
    </message>
    <message>
        <source>Make camp while there is still light to gather wood.</source>
        <translation>Installez votre camp tant qu&apos;il reste assez de lumière pour ramasser du bois.</translation>
    </message>
    <message>
        <source>Share your fire and your food, and the road is lighter for everyone.</source>
        <translation>Partagez votre feu et votre nourriture, et la route est plus légère pour tout le monde.</translation>
    </message>
</context>
<context>
    <name>Transitions</name>
    <message>
        <source>Screen transition</source>
        <translation>Transition d&apos;écran</translation>
    </message>
</context>
<context>
    <name>Wellbeing</name>
    <message>
        <source>has a burned hand.</source>
        <translation>a une brûlure à la main.</translation>
    </message>
    <message>
        <source>has a chill.</source>
        <translation>a des frissons.</translation>
    </message>
    <message>
        <source>has a fever and aches.</source>
        <translation>a de la fièvre et des douleurs.</translation>
    </message>
    <message>
        <source>has a bad cough.</source>
        <translation>a une mauvaise toux.</translation>
    </message>
    <message>
        <source>has a sore throat.</source>
        <translation>a mal à la gorge.</translation>
    </message>
    <message>
        <source>has an upset stomach.</source>
        <translation>a l&apos;estomac dérangé.</translation>
    </message>
    <message>
        <source>is sick from bad water.</source>
        <translation>est malade à cause de la mauvaise eau.</translation>
    </message>
    <message>
        <source>has frostbitten skin.</source>
        <translation>a la peau abîmée par le gel.</translation>
    </message>
    <message>
        <source>has sore muscles and bruises.</source>
        <translation>a des courbatures et des bleus.</translation>
    </message>
    <message>
        <source>has sores and chapped skin.</source>
        <translation>a des plaies et la peau gercée.</translation>
    </message>
    <message>
        <source>has a cut hand.</source>
        <translation>a une coupure à la main.</translation>
    </message>
    <message>
        <source>has a cold.</source>
        <translation>a un rhume.</translation>
    </message>
    <message>
        <source>is weary.</source>
        <translation>ressent une grande fatigue.</translation>
    </message>
    <message>
        <source>is worried and sleeps badly.</source>
        <translation>s&apos;inquiète et dort mal.</translation>
    </message>
    <message>
        <source>is healing from a snakebite.</source>
        <translation>se remet d&apos;une morsure de serpent.</translation>
    </message>
    <message>
        <source>has burned a hand on the hot kettle at the campfire.</source>
        <translation>s&apos;est brûlé la main sur la marmite chaude du feu de camp.</translation>
    </message>
    <message>
        <source>has caught a chill in the freezing wind.</source>
        <translation>a pris froid dans le vent glacé et a des frissons.</translation>
    </message>
    <message>
        <source>has a fever and aches all over.</source>
        <translation>a de la fièvre et mal partout.</translation>
    </message>
    <message>
        <source>has a bad cough that will not go away.</source>
        <translation>a une mauvaise toux qui ne passe pas.</translation>
    </message>
    <message>
        <source>has woken up with a sore throat.</source>
        <translation>a mal à la gorge depuis son réveil.</translation>
    </message>
    <message>
        <source>is sick from drinking bad water.</source>
        <translation>est malade d&apos;avoir bu de la mauvaise eau.</translation>
    </message>
    <message>
        <source>has frostbitten toes and cheeks from the icy wind.</source>
        <translation>a les orteils et les joues abîmés par le vent glacé.</translation>
    </message>
    <message>
        <source>has slipped on the ice and is bruised and sore.</source>
        <translation>a glissé sur la glace et a des bleus et des courbatures.</translation>
    </message>
    <message>
        <source>has sores and chapped skin from the cold.</source>
        <translation>a des plaies et la peau gercée par le froid.</translation>
    </message>
    <message>
        <source>has cut a hand gathering firewood.</source>
        <translation>s&apos;est coupé la main en ramassant du bois.</translation>
    </message>
    <message>
        <source>has caught a cold in the wet weather.</source>
        <translation>a attrapé un rhume par ce temps humide.</translation>
    </message>
    <message>
        <source>is weary from the long walk.</source>
        <translation>ressent une grande fatigue après la longue marche.</translation>
    </message>
    <message>
        <source>is worried and cannot sleep.</source>
        <translation>s&apos;inquiète et n&apos;arrive pas à dormir.</translation>
    </message>
    <message>
        <source>was bitten by a snake!</source>
        <translation>a reçu une morsure de serpent !</translation>
    </message>
    <message>
        <source>snakeroot tea</source>
        <translation>de la tisane de serpentaire</translation>
    </message>
    <message>
        <source>bear oil rubbed on the chest</source>
        <translation>de l&apos;huile d&apos;ours frottée sur la poitrine</translation>
    </message>
    <message>
        <source>aloe</source>
        <translation>de l&apos;aloès</translation>
    </message>
    <message>
        <source>ginger tea</source>
        <translation>de la tisane de gingembre</translation>
    </message>
    <message>
        <source>the deer&apos;s horn talisman to hold</source>
        <translation>le talisman en bois de cerf à tenir</translation>
    </message>
    <message>
        <source>cayenne pepper in the moccasins</source>
        <translation>du piment de Cayenne dans les mocassins</translation>
    </message>
    <message>
        <source>willow bark tea</source>
        <translation>de la tisane d&apos;écorce de saule</translation>
    </message>
    <message>
        <source>boneset tea</source>
        <translation>de la tisane d&apos;eupatoire</translation>
    </message>
    <message>
        <source>lobelia ointment</source>
        <translation>de l&apos;onguent de lobélie</translation>
    </message>
    <message>
        <source>lemon balm tea</source>
        <translation>de la tisane de mélisse</translation>
    </message>
    <message>
        <source>blood root</source>
        <translation>de la racine de sanguinaire</translation>
    </message>
    <message>
        <source>blackberry tea</source>
        <translation>de la tisane de mûrier sauvage</translation>
    </message>
    <message>
        <source>cranesbill</source>
        <translation>du géranium sauvage</translation>
    </message>
    <message>
        <source>spruce pitch</source>
        <translation>de la résine d&apos;épicéa</translation>
    </message>
    <message>
        <source>bear oil on the skin</source>
        <translation>de l&apos;huile d&apos;ours sur la peau</translation>
    </message>
    <message>
        <source>arnica</source>
        <translation>de l&apos;arnica</translation>
    </message>
    <message>
        <source>bittersweet salve</source>
        <translation>de la pommade de douce-amère</translation>
    </message>
    <message>
        <source>a birchbark fire to get warm by</source>
        <translation>un feu d&apos;écorce de bouleau pour se réchauffer</translation>
    </message>
    <message>
        <source>bugleweed tea</source>
        <translation>de la tisane de lycope</translation>
    </message>
    <message>
        <source>calendula</source>
        <translation>du calendula</translation>
    </message>
    <message>
        <source>garlic</source>
        <translation>de l&apos;ail</translation>
    </message>
    <message>
        <source>dogwood bark tea</source>
        <translation>de la tisane d&apos;écorce de cornouiller</translation>
    </message>
    <message>
        <source>tulip poplar bark tea</source>
        <translation>de la tisane d&apos;écorce de tulipier</translation>
    </message>
    <message>
        <source>savory in the stew</source>
        <translation>de la sarriette dans le ragoût</translation>
    </message>
    <message>
        <source>sumac-berry water</source>
        <translation>de l&apos;eau de baies de sumac</translation>
    </message>
    <message>
        <source>slippery elm bark</source>
        <translation>de l&apos;écorce d&apos;orme rouge</translation>
    </message>
    <message>
        <source>hot tea</source>
        <translation>du thé chaud</translation>
    </message>
    <message>
        <source>a jar of honey</source>
        <translation>un pot de miel</translation>
    </message>
    <message>
        <source>Let %1 rest by the fire.</source>
        <translation>Laisser %1 se reposer près du feu.</translation>
    </message>
    <message>
        <source>Give %1 %2.</source>
        <translation>Donner à %1 %2.</translation>
    </message>
</context>
<context>
    <name>media::VolumeDialog</name>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>&amp;Volume of music, voices and sounds:</source>
        <translation>&amp;Volume de la musique, des voix et des sons :</translation>
    </message>
    <message>
        <source>Left and right arrows change it a little, Page Up and Page Down a lot.</source>
        <translation>Les flèches gauche et droite le changent un peu, Page précédente et Page suivante beaucoup.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
            <numerusform>assiette décorative en forme de cœur</numerusform>
            <numerusform>assiettes décoratives en forme de cœur</numerusform>
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

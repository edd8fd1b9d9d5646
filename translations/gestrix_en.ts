<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>FrmApplications</name>
    <message>
        <source>Choisir une application</source>
        <translation>Choose an application</translation>
    </message>
    <message>
        <source>Rechercher</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FrmCreate</name>
    <message>
        <source>Le raccourci « %1 » n&apos;a pas été enregistré : son fichier est un lien vers un autre dossier.</source>
        <translation>The shortcut “%1” was not saved: its file is a link to another folder.</translation>
    </message>
    <message>
        <source>Le raccourci « %1 » n&apos;a pas été enregistré : le programme ne peut contenir ni saut de ligne ni caractère nul.</source>
        <translation>The shortcut “%1” was not saved: the program cannot hold a line break or a null character.</translation>
    </message>
    <message>
        <source>Le raccourci « %1 » n&apos;a pas été enregistré : son fichier existe mais ne peut pas être lu ; il est laissé tel quel.</source>
        <translation>The shortcut “%1” was not saved: its file exists but cannot be read; it is left as it is.</translation>
    </message>
    <message>
        <source>Le raccourci « %1 » n&apos;a pas été enregistré : le disque ou le dossier des symboles refuse l&apos;écriture (disque plein ?).</source>
        <translation>The shortcut “%1” was not saved: the disk or the symbol folder refuses the write (disk full?).</translation>
    </message>
    <message>
        <source>Création d&apos;un nouveau raccourcis</source>
        <translation>Create a new shortcut</translation>
    </message>
    <message>
        <source>Assistant de création d&apos;un raccourcis</source>
        <translation>Shortcut creation assistant</translation>
    </message>
    <message>
        <source>Création &amp; Association de commande</source>
        <translation>Creation &amp; command association</translation>
    </message>
    <message>
        <source>Nom :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>&lt;&lt; Dessiner le symbol, attention il doit être le plus centré possible, sinon les résultats risque d&apos;être moin précis</source>
        <translation>&lt;&lt; Draw the symbol; keep it as centred as you can, or the results may be less accurate</translation>
    </message>
    <message>
        <source>Afficher une grille</source>
        <translation>Show a grid</translation>
    </message>
    <message>
        <source>Dessiner</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Dessinez le symbole à l&apos;écran : la grille le reçoit tel que la reconnaissance le verra.</source>
        <translation>Draw the symbol on the screen: the grid receives it as the recognition will see it.</translation>
    </message>
    <message>
        <source>Dessin :</source>
        <translation>Drawing:</translation>
    </message>
    <message>
        <source>Retirer</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Lancer un programme</source>
        <translation>Start a program</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Fichier Exécutable (*.exe*)</source>
        <translation>Executable file (*.exe*)</translation>
    </message>
    <message>
        <source>Fichier Exécutable (*)</source>
        <translation>Executable file (*)</translation>
    </message>
    <message>
        <source>« %1 » : %2. Enregistrer quand même ?</source>
        <translation>“%1”: %2. Save anyway?</translation>
    </message>
    <message>
        <source>Ce symbole ressemble à « %1 ». Enregistrer quand même ?</source>
        <translation>This symbol looks like “%1”. Save anyway?</translation>
    </message>
    <message>
        <source>Le raccourci « %1 » existe déjà. Le remplacer ?</source>
        <translation>The shortcut “%1” already exists. Replace it?</translation>
    </message>
    <message>
        <source>Le raccourci « %1 » a changé sur le disque depuis l&apos;ouverture de l&apos;éditeur. Le remplacer ?</source>
        <translation>The shortcut “%1” changed on disk since the editor opened it. Replace it?</translation>
    </message>
    <message>
        <source>Nom de raccourci trop long : avec « .ini », le nom de son fichier ne peut dépasser 255 octets.</source>
        <translation>Shortcut name too long: with “.ini”, its file name may not exceed 255 bytes.</translation>
    </message>
    <message>
        <source>Le raccourci « %1 » a été supprimé depuis l&apos;ouverture de l&apos;éditeur. L&apos;enregistrer à nouveau ?</source>
        <translation>The shortcut “%1” was deleted since the editor opened. Save it again?</translation>
    </message>
    <message>
        <source>Choisir une application…</source>
        <translation>Choose an application…</translation>
    </message>
    <message>
        <source>Un fichier…</source>
        <translation>A file…</translation>
    </message>
    <message>
        <source>Un dossier…</source>
        <translation>A folder…</translation>
    </message>
    <message>
        <source>Choisir un fichier</source>
        <translation>Choose a file</translation>
    </message>
    <message>
        <source>Choisir un dossier</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>Nom de raccourci invalide : un nom ne peut être vide ou fait d&apos;espaces, contenir « / », « \ », un saut de ligne ou un caractère nul, ni commencer par « . ».</source>
        <translation>Invalid shortcut name: a name cannot be empty or only spaces, hold “/”, “\”, a line break or a null character, or begin with “.”.</translation>
    </message>
    <message>
        <source>Reconnaissance précise</source>
        <translation>Precise recognition</translation>
    </message>
    <message>
        <source>Reconnaît un symbole par la forme de tous ses dessins ; sans elle, seul le premier compte.</source>
        <translation>Recognises a symbol by the shape of all its drawings; without it, only the first counts.</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Strokely v1.2 — par l&apos;équipe Gestrix</source>
        <translation>Strokely v1.2 — by the Gestrix team</translation>
    </message>
    <message>
        <source>Le raccourci « %1 » n&apos;a pas pu être supprimé : son fichier n&apos;existe plus.</source>
        <translation>The shortcut “%1” could not be deleted: its file no longer exists.</translation>
    </message>
    <message>
        <source>Le raccourci « %1 » n&apos;a pas pu être supprimé : le dossier des symboles refuse la suppression.</source>
        <translation>The shortcut “%1” could not be deleted: the symbol folder refuses the deletion.</translation>
    </message>
    <message>
        <source>Sensibilité Noir (%1%)</source>
        <translation>Black sensitivity (%1%)</translation>
    </message>
    <message>
        <source>Sensibilité Contour (%1%)</source>
        <translation>Outline sensitivity (%1%)</translation>
    </message>
    <message>
        <source>Liste des raccourcis</source>
        <translation>Shortcut list</translation>
    </message>
    <message>
        <source>Création &amp; Suppression de racourcis</source>
        <translation>Creating &amp; deleting shortcuts</translation>
    </message>
    <message>
        <source>Sensibilité :</source>
        <translation>Sensitivity:</translation>
    </message>
    <message>
        <source>Associé :</source>
        <translation>Associated:</translation>
    </message>
    <message>
        <source>Buffer :</source>
        <translation>Buffer:</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Préférence</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Détection du noir :</source>
        <translation>Black detection:</translation>
    </message>
    <message>
        <source>Détection du contour :</source>
        <translation>Outline detection:</translation>
    </message>
    <message>
        <source>Aucun raccourci : cliquez sur Ajouter pour dessiner votre premier symbole.</source>
        <translation>No shortcut yet: click Add to draw your first symbol.</translation>
    </message>
    <message>
        <source>La sensibilité n&apos;a pas pu être enregistrée : le fichier %1 ne peut pas être écrit. Elle reste réglée jusqu&apos;à la fermeture de Gestrix.</source>
        <translation>The sensitivity could not be saved: the file %1 cannot be written. It stays set until Gestrix closes.</translation>
    </message>
    <message>
        <source>Le réglage n&apos;a pas été enregistré : le fichier %1 ne peut pas être écrit.</source>
        <translation>The setting was not saved: the file %1 cannot be written.</translation>
    </message>
    <message>
        <source>Le bureau vous demande si Gestrix peut photographier l&apos;écran. Répondez « Autoriser » : vos gestes se dessineront sur l&apos;écran figé ; sinon, sur un fond uni.</source>
        <translation>The desktop is asking whether Gestrix may take pictures of the screen. Answer “Allow”: your gestures will be drawn on the frozen screen; otherwise, on a plain background.</translation>
    </message>
    <message>
        <source>Le fichier de réglages %1 ne peut pas être écrit : les réglages changés ne vaudront que jusqu&apos;à la fermeture de Gestrix.</source>
        <translation>The settings file %1 cannot be written: changed settings will last only until Gestrix is closed.</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier</source>
        <translation>it is not a file</translation>
    </message>
    <message>
        <source>il est bien trop grand</source>
        <translation>it is far too large</translation>
    </message>
    <message>
        <source>il ne peut pas être lu</source>
        <translation>it cannot be read</translation>
    </message>
    <message>
        <source>Le fichier de réglages %1 ne peut pas servir (%2) : Gestrix garde ses réglages par défaut et ne le remplacera pas.</source>
        <translation>The settings file %1 cannot be used (%2): Gestrix keeps its default settings and will not replace it.</translation>
    </message>
    <message>
        <source>Un autre Gestrix répond déjà au bouton sur cet affichage : celui-ci ne le surveille pas.</source>
        <translation>Another Gestrix already answers the button on this display: this one does not watch it.</translation>
    </message>
    <message>
        <source>Ajouter un raccourci…</source>
        <translation>Add a shortcut…</translation>
    </message>
    <message>
        <source>Préférence…</source>
        <translation>Preferences…</translation>
    </message>
    <message>
        <source>Suspendre les gestes</source>
        <translation>Pause the gestures</translation>
    </message>
    <message>
        <source>Afficher</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>%1 — gestes suspendus</source>
        <translation>%1 — gestures paused</translation>
    </message>
    <message>
        <source>Fermer la fenêtre arrête Gestrix : les gestes ne répondront plus. Pour le garder, réduisez plutôt la fenêtre, ou cochez « Fermer la fenêtre la garde dans la zone de notification » dans Préférence. Fermer quand même ?</source>
        <translation>Closing the window stops Gestrix: gestures will no longer answer. To keep it, minimise the window instead, or tick “Closing the window keeps it in the notification area” in Preferences. Close anyway?</translation>
    </message>
    <message>
        <source>Le raccourci « %1 » n&apos;a pas pu être rétabli : un autre du même nom l&apos;a remplacé, ou la corbeille ne le rend pas.</source>
        <translation>The shortcut “%1” could not be brought back: another of the same name has replaced it, or the trash does not give it back.</translation>
    </message>
    <message>
        <source>Annuler la suppression</source>
        <translation>Undo the deletion</translation>
    </message>
    <message>
        <source>Gestrix ne peut pas lire le bouton de la souris sur ce bureau. Installez Gestrix depuis son paquet (il ajoute le service gestrix-input), ou liez « gestrix --gesture » à une touche dans les raccourcis du bureau.</source>
        <translation>Gestrix cannot read the mouse button on this desktop. Install Gestrix from its package (it adds the gestrix-input service), or bind “gestrix --gesture” to a key in the desktop&apos;s shortcuts.</translation>
    </message>
    <message>
        <source>Le raccourci « %1 » n&apos;a pas pu être mis à la corbeille : la corbeille refuse le fichier, qui est resté à sa place.</source>
        <translation>The shortcut “%1” could not be moved to the trash: the trash refuses the file, which stayed where it was.</translation>
    </message>
    <message>
        <source>Gestrix fonctionne sans fenêtre : ce bureau n&apos;a pas de zone de notification. Lancez Gestrix à nouveau depuis le menu des applications pour l&apos;ouvrir.</source>
        <translation>Gestrix is running without a window: this desktop has no notification area. Start Gestrix again from the applications menu to open it.</translation>
    </message>
</context>
<context>
    <name>FrmOption</name>
    <message>
        <source>Bouton du milieu</source>
        <translation>Middle button</translation>
    </message>
    <message>
        <source>Bouton 8 (côté)</source>
        <translation>Button 8 (side)</translation>
    </message>
    <message>
        <source>Bouton 9 (côté)</source>
        <translation>Button 9 (side)</translation>
    </message>
    <message>
        <source>Maj</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Aucune touche</source>
        <translation>No key</translation>
    </message>
    <message>
        <source>Préférence</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Personnalisation du système de dessin</source>
        <translation>Customising the drawing system</translation>
    </message>
    <message>
        <source>Afficher un rectangle</source>
        <translation>Show a rectangle</translation>
    </message>
    <message>
        <source>Afficher le nom du programme dans le rectangle</source>
        <translation>Show the program&apos;s name in the rectangle</translation>
    </message>
    <message>
        <source>Buffer par étirement</source>
        <translation>Stretched buffer</translation>
    </message>
    <message>
        <source>Bouton du geste :</source>
        <translation>Gesture button:</translation>
    </message>
    <message>
        <source>Laisser passer avec :</source>
        <translation>Let through with:</translation>
    </message>
    <message>
        <source>Applications exclues :</source>
        <translation>Excluded applications:</translation>
    </message>
    <message>
        <source>Classes de fenêtre (WM_CLASS) où le bouton garde son rôle, séparées par des virgules</source>
        <translation>Window classes (WM_CLASS) where the button keeps its usual role, separated by commas</translation>
    </message>
    <message>
        <source>Reconnaissance précise</source>
        <translation>Precise recognition</translation>
    </message>
    <message>
        <source>Choisit le symbole par la forme de ses dessins ; les deux sensibilités règlent alors la ressemblance et l&apos;écart avec le suivant.</source>
        <translation>Chooses the symbol by the shape of its drawings; the two sensitivities then set the likeness and the lead over the next symbol.</translation>
    </message>
    <message>
        <source>Lancer Gestrix à l&apos;ouverture de session</source>
        <translation>Start Gestrix when the session opens</translation>
    </message>
    <message>
        <source>Langue :</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Langue du système</source>
        <translation>System language</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Le lancement à l&apos;ouverture de session n&apos;a pas pu être réglé : le fichier %1 ne peut pas être écrit ou supprimé.</source>
        <translation>Starting with the session could not be set: the file %1 cannot be written or removed.</translation>
    </message>
    <message>
        <source>Les préférences n&apos;ont pas été enregistrées : le fichier %1 ne peut pas être écrit.</source>
        <translation>The preferences were not saved: the file %1 cannot be written.</translation>
    </message>
    <message>
        <source>Fermer la fenêtre la garde dans la zone de notification</source>
        <translation>Closing the window keeps it in the notification area</translation>
    </message>
    <message>
        <source>Choisir une fenêtre…</source>
        <translation>Choose a window…</translation>
    </message>
    <message>
        <source>Puis cliquez sur une fenêtre de l&apos;application à exclure.</source>
        <translation>Then click a window of the application to exclude.</translation>
    </message>
    <message>
        <source>Aucune fenêtre ne peut être choisie ici (sur Wayland, un programme ne voit pas les fenêtres des autres) : tapez sa classe.</source>
        <translation>No window can be chosen here (on Wayland, a program does not see the windows of others): type its class.</translation>
    </message>
    <message>
        <source>Un clic bref garde son rôle (coller, onglet…)</source>
        <translation>A quick click keeps its role (paste, tab…)</translation>
    </message>
    <message>
        <source>Un clic bref du bouton, sans bouger, va à l&apos;application ; appuyez et dessinez, ou maintenez, pour un geste.</source>
        <translation>A quick click of the button, without moving, goes to the application; press and draw, or hold, for a gesture.</translation>
    </message>
    <message>
        <source>Cliquez la fenêtre à exclure ; Échap pour annuler</source>
        <translation>Click the window to exclude; Escape to cancel</translation>
    </message>
    <message>
        <source>La fenêtre cliquée ne donne pas de classe : tapez celle de l&apos;application, ou choisissez une autre fenêtre.</source>
        <translation>The window clicked gives no class: type the application&apos;s, or pick another window.</translation>
    </message>
    <message>
        <source>Prend effet dès « OK » ; un éditeur de raccourci déjà ouvert change de langue à sa prochaine ouverture.</source>
        <translation>Takes effect on “OK”; a shortcut editor already open changes language the next time it opens.</translation>
    </message>
</context>
<context>
    <name>FrmView</name>
    <message>
        <source>L&apos;écran n&apos;a pas pu être photographié : dessinez le symbole ici, puis cliquez. Clic droit ou Échap pour annuler.</source>
        <translation>The screen could not be photographed: draw the symbol here, then click. Right-click or Escape to cancel.</translation>
    </message>
    <message>
        <source>Gestrix geste</source>
        <translation>Gestrix gesture</translation>
    </message>
    <message>
        <source>Dessinez le symbole en tenant le bouton gauche, ou déplacez la souris puis cliquez. Clic droit ou Échap pour annuler.</source>
        <translation>Draw the symbol holding the left button, or move the mouse and then click. Right-click or Escape to cancel.</translation>
    </message>
</context>
<context>
    <name>GestureSession</name>
    <message>
        <source>« %1 » n&apos;a rien lancé : %2.</source>
        <translation>“%1” started nothing: %2.</translation>
    </message>
    <message>
        <source>Dessinez un symbole, puis cliquez ; clic droit ou Échap pour annuler</source>
        <translation>Draw a symbol, then click; right-click or Escape to cancel</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>aucun programme indiqué</source>
        <translation>no program given</translation>
    </message>
    <message>
        <source>programme introuvable</source>
        <translation>program not found</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un programme</source>
        <translation>not a program</translation>
    </message>
    <message>
        <source>nom de fichier trop long</source>
        <translation>file name too long</translation>
    </message>
    <message>
        <source>le système n&apos;a pas pu le lancer</source>
        <translation>the system could not start it</translation>
    </message>
    <message>
        <source>aucune application n&apos;ouvre ce fichier</source>
        <translation>no application opens this file</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>ShortcutListModel</name>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Gestrix est déjà lancé (processus %1) mais ne répond pas.</source>
        <translation>Gestrix is already running (process %1) but does not answer.</translation>
    </message>
    <message>
        <source>Gestrix est déjà lancé (processus %1) mais ne peut pas être joint.</source>
        <translation>Gestrix is already running (process %1) but cannot be reached.</translation>
    </message>
    <message>
        <source>Lanceur de programmes par gestes : appuyez sur le bouton du milieu de la souris, dessinez un symbole, cliquez.</source>
        <translation>Mouse-gesture program launcher: press the middle mouse button, draw a symbol, click.</translation>
    </message>
    <message>
        <source>Démarre dans la zone de notification, sans fenêtre.</source>
        <translation>Starts in the notification area, without a window.</translation>
    </message>
    <message>
        <source>aucun affichage (la variable DISPLAY est vide).</source>
        <translation>no display (the DISPLAY variable is empty).</translation>
    </message>
    <message>
        <source>Gestrix est lancé mais ne répond pas.</source>
        <translation>Gestrix is running but does not answer.</translation>
    </message>
    <message>
        <source>Gestrix n&apos;est pas lancé.</source>
        <translation>Gestrix is not running.</translation>
    </message>
    <message>
        <source>Démarre un geste dans Gestrix déjà lancé (à lier à un raccourci du bureau).</source>
        <translation>Starts a gesture in the running Gestrix (to bind to a desktop shortcut).</translation>
    </message>
    <message>
        <source>Utilisation : gestrix [options]</source>
        <translation>Usage: gestrix [options]</translation>
    </message>
    <message>
        <source>Options :</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Affiche cette aide.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Affiche la version de Gestrix.</source>
        <translation>Shows the version of Gestrix.</translation>
    </message>
    <message>
        <source>option inconnue : %1</source>
        <translation>unknown option: %1</translation>
    </message>
</context>
</TS>

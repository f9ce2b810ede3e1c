<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AddressEditing</name>
    <message>
        <source>The address could not be saved: it has no name. Enter the name of the person or server.</source>
        <translation>L&apos;adresse n&apos;a pas été enregistrée : elle n&apos;a pas de nom. Saisissez le nom de la personne ou du serveur.</translation>
    </message>
    <message>
        <source>The address could not be saved: it has no inbox folder. Enter or browse for the folder where %1 receives mail.</source>
        <translation>L&apos;adresse n&apos;a pas été enregistrée : elle n&apos;a pas de dossier de réception. Saisissez ou choisissez le dossier où %1 reçoit son courrier.</translation>
    </message>
    <message>
        <source>the recipient name &quot;%1&quot; cannot be used as a file name</source>
        <translation>le nom de destinataire « %1 » ne peut pas servir de nom de fichier</translation>
    </message>
    <message>
        <source>The address could not be saved: %1. Correct the name.</source>
        <translation>L&apos;adresse n&apos;a pas été enregistrée : %1. Corrigez le nom.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this address</source>
        <translation>Voulez-vous vraiment supprimer cette adresse ?</translation>
    </message>
</context>
<context>
    <name>FileDialogFilters</name>
    <message>
        <source>Dictionary wordlists (*.dic)|*.dic|All files (*.*)|*.*</source>
        <extracomment>File dialog filter: description|patterns pairs; translate only the descriptions.</extracomment>
        <translation>Listes de mots de dictionnaire (*.dic)|*.dic|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Sound (*.wav)|*.wav|Music (*.mid,*.mp3)|*.mid;*.mp3|All Files (*.*)|*.*</source>
        <extracomment>File dialog filter: description|patterns pairs; translate only the descriptions.</extracomment>
        <translation>Son (*.wav)|*.wav|Musique (*.mid,*.mp3)|*.mid;*.mp3|Tous les fichiers (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>FolderBrowser</name>
    <message>
        <source>Select Directory</source>
        <translation>Choisir un dossier</translation>
    </message>
</context>
<context>
    <name>MailServices</name>
    <message>
        <source>The attachment %1 was fetched, but it could not be removed from %2 because another program holds it open.</source>
        <translation>La pièce jointe %1 a été récupérée, mais elle n&apos;a pas pu être retirée de %2 car un autre programme la garde ouverte.</translation>
    </message>
    <message>
        <source>An attachment copy failed: %1</source>
        <translation>La copie d&apos;une pièce jointe a échoué : %1</translation>
    </message>
</context>
<context>
    <name>ProfileLock</name>
    <message>
        <source>Corvane cannot write in the profile folder %1, where it keeps its settings and stores. Choose a folder you may write.</source>
        <translation>Corvane ne peut pas écrire dans le dossier de profil %1, où il garde ses paramètres et ses fichiers de données. Choisissez un dossier où vous pouvez écrire.</translation>
    </message>
    <message>
        <source>Corvane cannot write in %1, and could not copy its settings into %2.</source>
        <translation>Corvane ne peut pas écrire dans %1 et n&apos;a pas pu copier ses paramètres dans %2.</translation>
    </message>
    <message>
        <source>Corvane cannot write in %1, so it keeps your settings and stores in %2, starting from the settings in %1.</source>
        <translation>Corvane ne peut pas écrire dans %1 : il garde donc vos paramètres et vos fichiers de données dans %2, en partant des paramètres de %1.</translation>
    </message>
    <message>
        <source>process %1 (%2) on %3</source>
        <translation>processus %1 (%2) sur %3</translation>
    </message>
    <message>
        <source>The profile in %1 is in use by another copy of Corvane. Close it and try again.</source>
        <translation>Le profil de %1 est utilisé par une autre instance de Corvane. Fermez-la et réessayez.</translation>
    </message>
    <message>
        <source>The profile in %1 is in use by another copy of Corvane (%2). Close it and try again.</source>
        <translation>Le profil de %1 est utilisé par une autre instance de Corvane (%2). Fermez-la et réessayez.</translation>
    </message>
</context>
<context>
    <name>ProgramFolders</name>
    <message>
        <source>The profile folder %1 could not be created.</source>
        <translation>Le dossier de profil %1 n&apos;a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>RecipientCheck</name>
    <message>
        <source>%1 is not in your address book.</source>
        <translation>%1 n&apos;est pas dans votre carnet d&apos;adresses.</translation>
    </message>
    <message>
        <source>%1 is not in your address book: did you mean %2?</source>
        <translation>%1 n&apos;est pas dans votre carnet d&apos;adresses : vouliez-vous dire %2 ?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings were not saved: fill in &quot;Your Name&quot; with the name others send you mail by.</source>
        <translation>Les paramètres n&apos;ont pas été enregistrés : indiquez dans « Votre nom » le nom sous lequel les autres vous écrivent.</translation>
    </message>
    <message>
        <source>The settings were not saved: fill in &quot;Your Inbox&quot; with your folder on the shared drive.</source>
        <translation>Les paramètres n&apos;ont pas été enregistrés : indiquez dans « Votre boîte de réception » votre dossier sur le lecteur partagé.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Corvane  Version %1</source>
        <translation>Corvane  version %1</translation>
    </message>
    <message>
        <source>%1

Corvane starts with its default settings and does not write the file while it cannot be read, so that the settings it holds are not lost. Make the file readable and start Corvane again.</source>
        <translation>%1

Corvane démarre avec ses paramètres par défaut et n&apos;écrit pas le fichier tant qu&apos;il ne peut pas être lu, afin de ne pas perdre les paramètres qu&apos;il contient. Rendez le fichier lisible et redémarrez Corvane.</translation>
    </message>
    <message>
        <source>Unable to write to %1: the file could not be read when Corvane started, and writing it now would replace the settings it holds. Make the file readable and start Corvane again.</source>
        <translation>Impossible d&apos;écrire dans %1 : le fichier n&apos;a pas pu être lu au démarrage de Corvane, et l&apos;écrire maintenant remplacerait les paramètres qu&apos;il contient. Rendez le fichier lisible et redémarrez Corvane.</translation>
    </message>
</context>
<context>
    <name>StoreLocks</name>
    <message>
        <source>%1 is open in another copy of Corvane%2, which shares the folder %3. It is open read-only here: nothing is saved into it. Close the other copy (or, if no copy uses it any more, remove the folder %4), then press Save in Settings.</source>
        <translation>%1 est ouvert dans une autre instance de Corvane%2, qui partage le dossier %3. Il est ouvert ici en lecture seule : rien n&apos;y est enregistré. Fermez l&apos;autre instance (ou, si aucune ne l&apos;utilise plus, supprimez le dossier %4), puis cliquez sur « Enregistrer » dans les paramètres.</translation>
    </message>
    <message>
        <source>Corvane cannot write in the folder %1 (%2), so %3 is open read-only: nothing is saved into it. Choose a folder you may write in Settings.</source>
        <translation>Corvane ne peut pas écrire dans le dossier %1 (%2) : %3 est donc ouvert en lecture seule et rien n&apos;y est enregistré. Choisissez dans les paramètres un dossier où vous pouvez écrire.</translation>
    </message>
</context>
<context>
    <name>Stores</name>
    <message>
        <source>The &quot;%1&quot; is empty, so %2 has no place: choose a folder in Settings.</source>
        <translation>« %1 » est vide : %2 n&apos;a donc pas d&apos;emplacement. Choisissez un dossier dans les paramètres.</translation>
    </message>
</context>
<context>
    <name>UnreadCount</name>
    <message>
        <source>no unread messages</source>
        <translation>aucun message non lu</translation>
    </message>
    <message>
        <source>1 unread message</source>
        <translation>1 message non lu</translation>
    </message>
    <message>
        <source>%1 unread messages</source>
        <translation>%1 messages non lus</translation>
    </message>
</context>
<context>
    <name>corvane::addressbook::AddressBookCommands</name>
    <message>
        <source>New Address</source>
        <translation>Nouvelle adresse</translation>
    </message>
    <message>
        <source>Add a new address and edit it</source>
        <translation>Ajouter une nouvelle adresse et la modifier</translation>
    </message>
    <message>
        <source>The selected row shows no address of the address book</source>
        <translation>La ligne sélectionnée ne montre aucune adresse du carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>The address you chose is no longer in the address book: nothing was deleted.</source>
        <translation>L&apos;adresse choisie n&apos;est plus dans le carnet d&apos;adresses : rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <source>Delete Address</source>
        <translation>Supprimer l&apos;adresse</translation>
    </message>
    <message>
        <source>Address Book tools</source>
        <translation>Outils du carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Carnet d&apos;adresses</translation>
    </message>
</context>
<context>
    <name>corvane::addressbook::AddressCollector</name>
    <message>
        <source>Corvane is finding which mail folders can be reached. Try again in a moment.</source>
        <translation>Corvane recherche les dossiers de courrier accessibles. Réessayez dans un instant.</translation>
    </message>
</context>
<context>
    <name>corvane::addressbook::AddressEditPane</name>
    <message>
        <source>The address shown was deleted from the address book meanwhile: nothing was saved.</source>
        <translation>L&apos;adresse affichée a été supprimée du carnet d&apos;adresses entre-temps : rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Address Edit</source>
        <translation>Modifier l&apos;adresse</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Choose the inbox folder on the shared drive</source>
        <translation>Choisir le dossier de réception sur le lecteur partagé</translation>
    </message>
    <message>
        <source>Corvane Inbox</source>
        <translation>Boîte de réception Corvane</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Use as Server</source>
        <translation>Utiliser comme serveur</translation>
    </message>
    <message>
        <source>Messages for people whose inbox cannot be reached are also left in this folder, and mail for you is looked for in it</source>
        <translation>Les messages destinés aux personnes dont la boîte de réception est inaccessible sont aussi déposés dans ce dossier, et votre courrier y est également recherché</translation>
    </message>
    <message>
        <source>&lt;-- Prev</source>
        <translation>&lt;-- Préc.</translation>
    </message>
    <message>
        <source>Show the previous address</source>
        <translation>Afficher l&apos;adresse précédente</translation>
    </message>
    <message>
        <source>Next --&gt;</source>
        <translation>Suiv. --&gt;</translation>
    </message>
    <message>
        <source>Show the next address</source>
        <translation>Afficher l&apos;adresse suivante</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Add a new, empty address</source>
        <translation>Ajouter une nouvelle adresse vide</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save this address</source>
        <translation>Enregistrer cette adresse</translation>
    </message>
    <message>
        <source>The Address Book&apos;s selected row shows no address of the address book</source>
        <translation>La ligne sélectionnée du carnet d&apos;adresses ne montre aucune adresse du carnet</translation>
    </message>
</context>
<context>
    <name>corvane::addressbook::AddressStore</name>
    <message>
        <source>The address list has no Addressbook element</source>
        <translation>La liste d&apos;adresses n&apos;a pas d&apos;élément Addressbook</translation>
    </message>
</context>
<context>
    <name>corvane::platform::XmlStore</name>
    <message>
        <source>There is no address number %1</source>
        <translation>Il n&apos;y a pas d&apos;adresse numéro %1</translation>
    </message>
</context>
<context>
    <name>corvane::receiving::InboxPane</name>
    <message>
        <source>Reply</source>
        <translation>Répondre</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Répondre à tous</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Transférer</translation>
    </message>
    <message>
        <source>Mark as Unread</source>
        <translation>Marquer comme non lu</translation>
    </message>
    <message>
        <source>The message you chose is no longer in the InBox: nothing was deleted.</source>
        <translation>Le message choisi n&apos;est plus dans la boîte de réception : rien n&apos;a été supprimé.</translation>
    </message>
</context>
<context>
    <name>corvane::receiving::MailReaderPane</name>
    <message>
        <source>To: </source>
        <translation>À : </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Date : </translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Répondre à tous</translation>
    </message>
    <message>
        <source>Reply to the sender and every other recipient</source>
        <translation>Répondre à l&apos;expéditeur et à tous les autres destinataires</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exporter en PDF…</translation>
    </message>
    <message>
        <source>Save Attachment As…</source>
        <translation>Enregistrer la pièce jointe sous…</translation>
    </message>
    <message>
        <source>The message is still being read; try again in a moment.</source>
        <translation>Le message est encore en cours de lecture ; réessayez dans un instant.</translation>
    </message>
</context>
<context>
    <name>corvane::sending::ComposePane</name>
    <message>
        <source>Discard the message you are writing?</source>
        <translation>Abandonner le message en cours de rédaction ?</translation>
    </message>
    <message>
        <source>Send the message anyway?</source>
        <translation>Envoyer le message quand même ?</translation>
    </message>
    <message>
        <source>Add %1 to your address book now? (No sends the message as it is.)</source>
        <translation>Ajouter %1 à votre carnet d&apos;adresses maintenant ? (« Non » envoie le message tel quel.)</translation>
    </message>
</context>
<context>
    <name>corvane::sending::DeliveryWatch</name>
    <message>
        <source>Waiting: %1</source>
        <translation>En attente : %1</translation>
    </message>
    <message>
        <source>Relayed: %1</source>
        <translation>Par un serveur : %1</translation>
    </message>
    <message>
        <source>Not delivered: %1</source>
        <translation>Non distribué : %1</translation>
    </message>
    <message>
        <source>Picked up</source>
        <translation>Récupéré</translation>
    </message>
</context>
<context>
    <name>corvane::sending::SendAction</name>
    <message>
        <source>A message is being sent. Wait until it has been sent, then try again.</source>
        <translation>Un message est en cours d&apos;envoi. Attendez qu&apos;il soit envoyé, puis réessayez.</translation>
    </message>
    <message>
        <source>The message was not sent: none of the folders could be written. Send it again when the shared folders can be reached.</source>
        <translation>Le message n&apos;a pas été envoyé : aucun des dossiers n&apos;a pu être écrit. Renvoyez-le quand les dossiers partagés seront accessibles.</translation>
    </message>
</context>
<context>
    <name>corvane::sending::SentItemsPane</name>
    <message>
        <source>The message you chose is no longer in Sent Items: nothing was deleted.</source>
        <translation>Le message choisi n&apos;est plus dans les éléments envoyés : rien n&apos;a été supprimé.</translation>
    </message>
</context>
<context>
    <name>corvane::shell::ComposeParts</name>
    <message>
        <source>Corvane kept a message you were writing when it last ended (subject: &quot;%1&quot;). Do you want to go on writing it?

No discards it.</source>
        <translation>Corvane a gardé un message que vous rédigiez lors de sa dernière fermeture (objet : « %1 »). Voulez-vous continuer à le rédiger ?

« Non » l&apos;abandonne.</translation>
    </message>
</context>
<context>
    <name>corvane::shell::CopiesWaitDialog</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>Copies still running</source>
        <translation>Copies en cours</translation>
    </message>
    <message>
        <source>The attachment copies Corvane waits for before it closes</source>
        <translation>Les copies de pièces jointes que Corvane attend avant de se fermer</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Fermer quand même</translation>
    </message>
    <message>
        <source>Close now; the copies still running are cut off and leave no file behind</source>
        <translation>Fermer maintenant ; les copies en cours sont interrompues et ne laissent aucun fichier</translation>
    </message>
    <message>
        <source>Keep Open</source>
        <translation>Laisser ouvert</translation>
    </message>
    <message>
        <source>Do not close; the copies go on</source>
        <translation>Ne pas fermer ; les copies continuent</translation>
    </message>
</context>
<context>
    <name>corvane::shell::GridSetup</name>
    <message>
        <source>Delivery</source>
        <translation>Distribution</translation>
    </message>
    <message>
        <source>Address No.</source>
        <translation>N° adresse</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Boîte de réception</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Msg No.</source>
        <translation>N° msg</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Pièces jointes</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lu</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
</context>
<context>
    <name>corvane::shell::MailCheckController</name>
    <message>
        <source>Corvane is checking for mail. Try again when the check has finished.</source>
        <translation>Corvane relève le courrier. Réessayez une fois la relève terminée.</translation>
    </message>
    <message>
        <source>Checking Messages</source>
        <translation>Relève des messages</translation>
    </message>
</context>
<context>
    <name>corvane::shell::MainSettingsPage</name>
    <message>
        <source>Minutes between automatic mail checks</source>
        <translation>Minutes entre les relèves automatiques du courrier</translation>
    </message>
    <message>
        <source>Inbox Datafile Folder</source>
        <translation>Dossier du fichier de réception</translation>
    </message>
    <message>
        <source>Address List Folder</source>
        <translation>Dossier de la liste d&apos;adresses</translation>
    </message>
    <message>
        <source>Sent Items Folder</source>
        <translation>Dossier des éléments envoyés</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Inbox</source>
        <translation>Votre boîte de réception</translation>
    </message>
    <message>
        <source>Use as server</source>
        <translation>Utiliser comme serveur</translation>
    </message>
    <message>
        <source>Auto Check Mail Every</source>
        <translation>Relever le courrier automatiquement toutes les</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Start Page</source>
        <translation>Page de démarrage</translation>
    </message>
    <message>
        <source>Pick one</source>
        <translation>Choisissez</translation>
    </message>
    <message>
        <source>Show pop up message for new mail</source>
        <translation>Afficher une fenêtre pour le nouveau courrier</translation>
    </message>
    <message>
        <source>Desktop notification for new mail</source>
        <translation>Notification du bureau pour le nouveau courrier</translation>
    </message>
    <message>
        <source>Also tell the desktop about new mail while the window is out of view</source>
        <translation>Signaler aussi le nouveau courrier au bureau quand la fenêtre n&apos;est pas visible</translation>
    </message>
    <message>
        <source>Mail Sound</source>
        <translation>Son du courrier</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Aucun son</translation>
    </message>
    <message>
        <source>Default Beep</source>
        <translation>Bip par défaut</translation>
    </message>
    <message>
        <source>Custom Sound</source>
        <translation>Son personnalisé</translation>
    </message>
</context>
<context>
    <name>corvane::shell::MainWindow</name>
    <message>
        <source>New Message</source>
        <translation>Nouveau message</translation>
    </message>
    <message>
        <source>Saved &quot;%1&quot;</source>
        <translation>« %1 » enregistré</translation>
    </message>
    <message>
        <source>Corvane will close when the message has been sent.</source>
        <translation>Corvane se fermera une fois le message envoyé.</translation>
    </message>
    <message>
        <source>Corvane will close when the mail check has ended.</source>
        <translation>Corvane se fermera une fois la relève du courrier terminée.</translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>Check Mail</source>
        <translation>Relever le courrier</translation>
    </message>
    <message>
        <source>Check for New Mail</source>
        <translation>Rechercher les nouveaux messages</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Show Help</source>
        <translation>Afficher l&apos;aide</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Barre principale</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 vers %2</translation>
    </message>
</context>
<context>
    <name>corvane::shell::Navigation</name>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>InBox</source>
        <translation>Boîte de réception</translation>
    </message>
    <message>
        <source>Mail Reader</source>
        <translation>Lecteur de messages</translation>
    </message>
    <message>
        <source>Sent Items</source>
        <translation>Éléments envoyés</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Address Edit</source>
        <translation>Modifier l&apos;adresse</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Address List</source>
        <translation>Liste d&apos;adresses</translation>
    </message>
</context>
<context>
    <name>corvane::shell::NavigationBar</name>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>InBox</source>
        <translation>Réception</translation>
    </message>
    <message>
        <source>Mail Reader</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Sent Items</source>
        <translation>Envoyés</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Adresses</translation>
    </message>
    <message>
        <source>Edit Address</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>corvane::shell::SettingsPane</name>
    <message>
        <source>Settings pages</source>
        <translation>Pages des paramètres</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>Paramètres enregistrés.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Orthographe</translation>
    </message>
</context>
<context>
    <name>corvane::shell::SpellSettingsPage</name>
    <message>
        <source>Main Dictionary</source>
        <translation>Dictionnaire principal</translation>
    </message>
    <message>
        <source>Custom Dictionary</source>
        <translation>Dictionnaire personnel</translation>
    </message>
    <message>
        <source>Limit Sugestions to</source>
        <translation>Limiter les suggestions à</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Vérifier l&apos;orthographe pendant la saisie</translation>
    </message>
    <message>
        <source>Underline unknown words in red while you write a message</source>
        <translation>Souligner en rouge les mots inconnus pendant la rédaction d&apos;un message</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
</context>
<context>
    <name>corvane::shell::WindowDesk</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>corvane::sortgrid::StringGridModel</name>
    <message>
        <source>Grid index out of range</source>
        <translation>Index de grille hors limites</translation>
    </message>
</context>
<context>
    <name>corvane::spell::Dictionary</name>
    <message>
        <source>The dictionary %1 is larger than 64 MB; it is not read.</source>
        <translation>Le dictionnaire %1 dépasse 64 Mo ; il n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>The dictionary %1 is not a word list: it holds binary data.</source>
        <translation>Le dictionnaire %1 n&apos;est pas une liste de mots : il contient des données binaires.</translation>
    </message>
    <message>
        <source>Dictionary Not Found</source>
        <translation>Dictionnaire introuvable</translation>
    </message>
    <message>
        <source>Custom dictionary has not been specified</source>
        <translation>Aucun dictionnaire personnel n&apos;a été indiqué</translation>
    </message>
</context>
<context>
    <name>corvane::spell::SpellCheckDialog</name>
    <message>
        <source>Spell Check</source>
        <translation>Vérification orthographique</translation>
    </message>
    <message>
        <source>Original Word</source>
        <translation>Mot d&apos;origine</translation>
    </message>
    <message>
        <source>The word the dictionaries do not know</source>
        <translation>Le mot que les dictionnaires ne connaissent pas</translation>
    </message>
    <message>
        <source>Change To</source>
        <translation>Remplacer par</translation>
    </message>
    <message>
        <source>The text Change puts in the word&apos;s place</source>
        <translation>« Remplacer » met ce texte à la place du mot</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Suggestions</translation>
    </message>
    <message>
        <source>Dictionary words that sound alike; click one to change to it</source>
        <translation>Mots du dictionnaire qui se prononcent de façon semblable ; cliquez sur un mot pour le choisir</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Leave this word as it is</source>
        <translation>Laisser ce mot tel quel</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation>Tout ignorer</translation>
    </message>
    <message>
        <source>Leave this word as it is wherever it occurs until Corvane is closed</source>
        <translation>Laisser ce mot tel quel partout où il apparaît jusqu&apos;à la fermeture de Corvane</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Replace the word with Change To</source>
        <translation>Remplacer le mot par le texte de « Remplacer par »</translation>
    </message>
    <message>
        <source>Change All</source>
        <translation>Tout remplacer</translation>
    </message>
    <message>
        <source>Replace the word with Change To here and wherever it occurs again in this check</source>
        <translation>Remplacer le mot par le texte de « Remplacer par » ici et partout où il réapparaît pendant cette vérification</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add the word to the custom dictionary and leave it as it is</source>
        <translation>Ajouter le mot au dictionnaire personnel et le laisser tel quel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Stop the spell check</source>
        <translation>Arrêter la vérification de l&apos;orthographe</translation>
    </message>
    <message>
        <source>{No Sugestions}</source>
        <translation>{Aucune suggestion}</translation>
    </message>
</context>
<context>
    <name>corvane::spell::SpellChecker</name>
    <message>
        <source>A spell check is already running.</source>
        <translation>Une vérification de l&apos;orthographe est déjà en cours.</translation>
    </message>
</context>
<context>
    <name>corvane::spell::SpellHighlighter</name>
    <message>
        <source>(no suggestions)</source>
        <translation>(aucune suggestion)</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation>Tout ignorer</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Ajouter au dictionnaire</translation>
    </message>
</context>
<context>
    <name>corvane::spell::SpellRun</name>
    <message>
        <source>The message is being checked for spelling. Finish or close the spell check first.</source>
        <translation>L&apos;orthographe du message est en cours de vérification. Terminez ou fermez d&apos;abord la vérification.</translation>
    </message>
    <message>
        <source>The message was changed while it was being checked, so the spell check stopped there. Press the spell button again to check the rest.</source>
        <translation>Le message a été modifié pendant la vérification : celle-ci s&apos;est donc arrêtée là. Cliquez de nouveau sur le bouton d&apos;orthographe pour vérifier la suite.</translation>
    </message>
</context>
<context>
    <name>corvane::ui::FindField</name>
    <message>
        <source>Show only the messages whose sender or recipients, subject, attachments or text hold every word typed here (Ctrl+F); Esc shows all again</source>
        <translation>N&apos;afficher que les messages dont l&apos;expéditeur ou les destinataires, l&apos;objet, les pièces jointes ou le texte contiennent chaque mot saisi ici (Ctrl+F) ; Échap les affiche tous à nouveau</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Rechercher (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
</context>
<context>
    <name>corvane::ui::ListPane</name>
    <message>
        <source>Reading the message texts for Find: %1%</source>
        <translation>Lecture des textes des messages pour la recherche : %1 %</translation>
    </message>
    <message>
        <source>Are you sure you want to delete these %1 messages?</source>
        <translation>Voulez-vous vraiment supprimer ces %1 messages ?</translation>
    </message>
</context>
</TS>

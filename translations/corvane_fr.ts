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
    <name>AttachmentFetcher</name>
    <message>
        <source>Unable to create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>AttachmentFiles</name>
    <message>
        <source>The attachment &quot;%1&quot; is not opened: its name cannot be a file name.</source>
        <translation>La pièce jointe « %1 » n&apos;est pas ouverte : son nom ne peut pas être un nom de fichier.</translation>
    </message>
    <message>
        <source>The attachment &quot;%1&quot; is not in your inbox folder (%2): it may not have been fetched yet, or it was moved or deleted.</source>
        <translation>La pièce jointe « %1 » n&apos;est pas dans votre dossier de réception (%2) : elle n&apos;a peut-être pas encore été récupérée, ou elle a été déplacée ou supprimée.</translation>
    </message>
</context>
<context>
    <name>BackgroundCopies</name>
    <message>
        <source>cut off because Corvane was closed</source>
        <translation>interrompu parce que Corvane a été fermé</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 vers %2</translation>
    </message>
    <message>
        <source>Unable to copy %1 to %2: %3</source>
        <translation>Impossible de copier %1 vers %2 : %3</translation>
    </message>
    <message>
        <source>the name is taken</source>
        <translation>le nom est déjà pris</translation>
    </message>
    <message>
        <source>Waiting for attachment copies to finish</source>
        <translation>Attente de la fin des copies des pièces jointes</translation>
    </message>
</context>
<context>
    <name>CliArguments</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>unknown option for send: %1</source>
        <translation>option inconnue pour send : %1</translation>
    </message>
    <message>
        <source>send needs at least one --to NAME</source>
        <translation>send demande au moins un --to NAME</translation>
    </message>
    <message>
        <source>give either --body or --body-file, not both</source>
        <translation>donnez soit --body, soit --body-file, pas les deux</translation>
    </message>
    <message>
        <source>the message number must be 1 or more: %1</source>
        <translation>le numéro du message doit être 1 ou plus : %1</translation>
    </message>
    <message>
        <source>unknown option for forward: %1</source>
        <translation>option inconnue pour forward : %1</translation>
    </message>
    <message>
        <source>forward needs a message number</source>
        <translation>forward demande un numéro de message</translation>
    </message>
    <message>
        <source>forward needs at least one --to NAME</source>
        <translation>forward demande au moins un --to NAME</translation>
    </message>
    <message>
        <source>unknown option for list: %1</source>
        <translation>option inconnue pour list : %1</translation>
    </message>
    <message>
        <source>unknown option for %1: %2</source>
        <translation>option inconnue pour %1 : %2</translation>
    </message>
    <message>
        <source>%1 needs a message number</source>
        <translation>%1 demande un numéro de message</translation>
    </message>
    <message>
        <source>unknown option for compact: %1</source>
        <translation>option inconnue pour compact : %1</translation>
    </message>
    <message>
        <source>address needs list, add or remove</source>
        <translation>address demande list, add ou remove</translation>
    </message>
    <message>
        <source>address list takes no options</source>
        <translation>address list ne prend aucune option</translation>
    </message>
    <message>
        <source>unknown option for address add: %1</source>
        <translation>option inconnue pour address add : %1</translation>
    </message>
    <message>
        <source>address add needs --name NAME and --inbox DIR</source>
        <translation>address add demande --name NAME et --inbox DIR</translation>
    </message>
    <message>
        <source>address remove needs an address number</source>
        <translation>address remove demande un numéro d&apos;adresse</translation>
    </message>
    <message>
        <source>the address number must be 1 or more: %1</source>
        <translation>le numéro d&apos;adresse doit être 1 ou plus : %1</translation>
    </message>
    <message>
        <source>address remove takes one number</source>
        <translation>address remove prend un seul numéro</translation>
    </message>
    <message>
        <source>unknown address command: %1</source>
        <translation>commande address inconnue : %1</translation>
    </message>
    <message>
        <source>unknown option for init: %1</source>
        <translation>option inconnue pour init : %1</translation>
    </message>
    <message>
        <source>init needs --name NAME and --inbox DIR</source>
        <translation>init demande --name NAME et --inbox DIR</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande donnée</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>commande inconnue : %1</translation>
    </message>
    <message>
        <source>check takes no options</source>
        <translation>check ne prend aucune option</translation>
    </message>
    <message>
        <source>spell needs a file</source>
        <translation>spell demande un fichier</translation>
    </message>
    <message>
        <source>spell takes one file</source>
        <translation>spell prend un seul fichier</translation>
    </message>
</context>
<context>
    <name>CliCommands</name>
    <message>
        <source>A send is already running.</source>
        <translation>Un envoi est déjà en cours.</translation>
    </message>
    <message>
        <source>The attachment %1 does not exist.</source>
        <translation>La pièce jointe %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>There is no message %1: Sent Items holds %2.</source>
        <translation>Il n&apos;y a pas de message %1 : Éléments envoyés en contient %2.</translation>
    </message>
    <message>
        <source>There is no message %1: the inbox holds %2.</source>
        <translation>Il n&apos;y a pas de message %1 : la boîte de réception en contient %2.</translation>
    </message>
    <message>
        <source>The attachment %1 is missing: it may not have been fetched yet, or it was moved or deleted.</source>
        <translation>La pièce jointe %1 est absente : elle n&apos;a peut-être pas encore été récupérée, ou elle a été déplacée ou supprimée.</translation>
    </message>
    <message>
        <source>Nothing to compact</source>
        <translation>Rien à compacter</translation>
    </message>
    <message>
        <source>The store was not compacted: it changed meanwhile, or its new file could not be put in place (see --verbose).</source>
        <translation>Le stockage n&apos;a pas été compacté : il a changé entre-temps, ou son nouveau fichier n&apos;a pas pu être mis en place (voir --verbose).</translation>
    </message>
    <message>
        <source>Compacted %1 to %2 bytes</source>
        <translation>%1 compacté en %2 octets</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be used: names become parts of file names, so they may not contain \ / : * ? &quot; &lt; &gt; |, control characters, a trailing dot or space, or be a device name such as CON.</source>
        <translation>Le nom « %1 » ne peut pas être utilisé : les noms font partie de noms de fichiers, ils ne peuvent donc pas contenir \ / : * ? &quot; &lt; &gt; |, de caractères de contrôle, de point ou d&apos;espace final, ni être un nom de périphérique comme CON.</translation>
    </message>
    <message>
        <source>There is no address %1: the address book holds %2.</source>
        <translation>Il n&apos;y a pas d&apos;adresse %1 : le carnet d&apos;adresses en contient %2.</translation>
    </message>
</context>
<context>
    <name>CliInit</name>
    <message>
        <source>%1 already exists; give --force to replace its settings.</source>
        <translation>%1 existe déjà ; donnez --force pour remplacer ses paramètres.</translation>
    </message>
    <message>
        <source>--name &quot;%1&quot; is not a name: give the name others send you mail by.</source>
        <translation>--name « %1 » n&apos;est pas un nom : donnez le nom sous lequel les autres vous envoient du courrier.</translation>
    </message>
    <message>
        <source>--inbox &quot;%1&quot; is not a folder: give your folder on the shared drive.</source>
        <translation>--inbox « %1 » n&apos;est pas un dossier : donnez votre dossier sur le lecteur partagé.</translation>
    </message>
    <message>
        <source>--name: %1.</source>
        <translation>--name : %1.</translation>
    </message>
    <message>
        <source>--inbox: the folder %1 does not exist.</source>
        <translation>--inbox : le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The profile folder %1 could not be created.</source>
        <translation>Le dossier de profil %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The data folder %1 could not be created.</source>
        <translation>Le dossier de données %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>%1 écrit</translation>
    </message>
</context>
<context>
    <name>CliProfile</name>
    <message>
        <source>The profile folder %1 does not exist.</source>
        <translation>Le dossier de profil %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Set %1 in the [%2] section of %3, in Corvane&apos;s Settings, or with corvane-cli init.</source>
        <translation>Définissez %1 dans la section [%2] de %3, dans les Paramètres de Corvane ou avec corvane-cli init.</translation>
    </message>
    <message>
        <source>Your inbox folder &quot;%1&quot; does not exist. %2</source>
        <translation>Votre dossier de réception « %1 » n&apos;existe pas. %2</translation>
    </message>
    <message>
        <source>The inbox data folder &quot;%1&quot; does not exist. %2</source>
        <translation>Le dossier de données de la boîte de réception « %1 » n&apos;existe pas. %2</translation>
    </message>
    <message>
        <source>The address list folder &quot;%1&quot; does not exist. %2</source>
        <translation>Le dossier de la liste d&apos;adresses « %1 » n&apos;existe pas. %2</translation>
    </message>
    <message>
        <source>The Sent Items folder &quot;%1&quot; does not exist. %2</source>
        <translation>Le dossier des Éléments envoyés « %1 » n&apos;existe pas. %2</translation>
    </message>
    <message>
        <source>Your name is not set. %1</source>
        <translation>Votre nom n&apos;est pas défini. %1</translation>
    </message>
</context>
<context>
    <name>CliUsage</name>
    <message>
        <source>  send --to NAME [--to NAME ...] [--subject TEXT] [--body TEXT | --body-file FILE]
       [--attach FILE ...]       send a message (a .rtf body file is taken as RTF)</source>
        <translation>  send --to NAME [--to NAME ...] [--subject TEXT] [--body TEXT | --body-file FILE]
       [--attach FILE ...]       envoyer un message (un fichier .rtf est pris comme RTF)</translation>
    </message>
    <message>
        <source>  forward N --to NAME [--to NAME ...] [--body TEXT]
                                 forward inbox message N with its attached files</source>
        <translation>  forward N --to NAME [--to NAME ...] [--body TEXT]
                                 transférer le message N de la réception avec ses fichiers joints</translation>
    </message>
    <message>
        <source>  check                          take new mail into the inbox; prints &quot;N new&quot;</source>
        <translation>  check                          relever le courrier dans la boîte de réception ; affiche « N new »</translation>
    </message>
    <message>
        <source>  list [--sent]                  list the inbox (or Sent Items), one message a line</source>
        <translation>  list [--sent]                  lister la boîte de réception (ou Éléments envoyés), un message
                                 par ligne</translation>
    </message>
    <message>
        <source>  show N [--sent] [--rtf]        show message N (with --rtf, the stored RTF body); an inbox
                                 message lists each attachment&apos;s file, tab-separated</source>
        <translation>  show N [--sent] [--rtf]        afficher le message N (avec --rtf, le corps RTF stocké) ; un
                                 message reçu liste le fichier de chaque pièce jointe, séparé
                                 par des tabulations</translation>
    </message>
    <message>
        <source>  delete N [--sent]              delete message N from the inbox (or Sent Items)</source>
        <translation>  delete N [--sent]              supprimer le message N de la boîte de réception (ou Éléments
                                 envoyés)</translation>
    </message>
    <message>
        <source>  compact [--sent]               give back the room deleted messages left in the store</source>
        <translation>  compact [--sent]               rendre la place que les messages supprimés ont laissée dans le
                                 stockage</translation>
    </message>
    <message>
        <source>  address list                   list the address book</source>
        <translation>  address list                   lister le carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>  address add --name NAME --inbox DIR [--comment TEXT] [--server]</source>
        <translation>  address add --name NAME --inbox DIR [--comment TEXT] [--server]</translation>
    </message>
    <message>
        <source>  address remove N               remove address N</source>
        <translation>  address remove N               supprimer l&apos;adresse N</translation>
    </message>
    <message>
        <source>  init --name NAME --inbox DIR [--data DIR] [--force]
                                 write the profile&apos;s main.ini: your name, your inbox folder
                                 on the share and the folder of your stores (the profile
                                 folder by default); --force replaces existing settings</source>
        <translation>  init --name NAME --inbox DIR [--data DIR] [--force]
                                 écrire le main.ini du profil : votre nom, votre dossier de
                                 réception sur le partage et le dossier de vos stockages (par
                                 défaut le dossier de profil) ; --force remplace les paramètres
                                 existants</translation>
    </message>
    <message>
        <source>  spell FILE                     check the spelling of a text or RTF file: one line an
                                 unknown word (position, word, suggestions); exit 1 if any</source>
        <translation>  spell FILE                     vérifier l&apos;orthographe d&apos;un fichier texte ou RTF : une ligne
                                 par mot inconnu (position, mot, suggestions) ; code de sortie 1
                                 s&apos;il y en a</translation>
    </message>
    <message>
        <source>Usage: corvane-cli [--profile DIR] [--verbose] COMMAND [OPTIONS]
       corvane-cli --version
       corvane-cli COMMAND --help

Commands:
</source>
        <translation>Utilisation : corvane-cli [--profile DIR] [--verbose] COMMAND [OPTIONS]
              corvane-cli --version
              corvane-cli COMMAND --help

Commandes :
</translation>
    </message>
    <message>
        <source>The settings are main.ini in the profile folder. Without --profile the window&apos;s profile is
used: the program&apos;s folder when it holds main.ini, or when it is a portable copy you may
write; otherwise (an installed package) $XDG_CONFIG_HOME/corvane, by default ~/.config/corvane.
With --verbose, what the program does on the shares (retries, files set aside, locks broken,
messages delivered and taken) is logged on standard error.
Text that others wrote is printed with its control characters made visible, so that it
cannot drive the terminal or break lines and columns: a backslash as \\, tab, newline and
carriage return as \t, \n and \r, other control characters as \xHH, and bidirectional
controls and line separators as \uHHHH. The fields of list, address list and show&apos;s headers
escape tabs and newlines too; a body shown as text keeps them; show --rtf writes such
characters as RTF escapes (\&apos;1b), so the RTF stays the same document.
Exit status: 0 success, 1 the operation failed, 2 usage error.
</source>
        <translation>Les paramètres sont dans main.ini, dans le dossier de profil. Sans --profile, le profil de la
fenêtre est utilisé : le dossier du programme s&apos;il contient main.ini, ou s&apos;il s&apos;agit d&apos;une copie
portable où vous pouvez écrire ; sinon (un paquet installé) $XDG_CONFIG_HOME/corvane, par défaut
~/.config/corvane.
Avec --verbose, ce que le programme fait sur les partages (nouvelles tentatives, fichiers mis de
côté, verrous forcés, messages distribués et relevés) est journalisé sur la sortie d&apos;erreur.
Le texte écrit par d&apos;autres est affiché avec ses caractères de contrôle rendus visibles, afin
qu&apos;il ne puisse ni piloter le terminal ni casser les lignes et les colonnes : une barre oblique
inverse comme \\, tabulation, saut de ligne et retour chariot comme \t, \n et \r, les autres
caractères de contrôle comme \xHH, et les contrôles bidirectionnels et séparateurs de ligne comme
\uHHHH. Les champs de list, address list et des en-têtes de show échappent aussi les tabulations
et les sauts de ligne ; un corps affiché comme texte les garde ; show --rtf écrit ces caractères
comme des échappements RTF (\&apos;1b), afin que le RTF reste le même document.
Code de sortie : 0 succès, 1 l&apos;opération a échoué, 2 erreur d&apos;utilisation.
</translation>
    </message>
    <message>
        <source>Usage: corvane-cli [--profile DIR] [--verbose] %1 ...

%2
</source>
        <translation>Utilisation : corvane-cli [--profile DIR] [--verbose] %1 ...

%2
</translation>
    </message>
</context>
<context>
    <name>ComposePrompts</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>The lock of the folder %1 was taken by another program</source>
        <translation>Le verrou du dossier %1 a été pris par un autre programme</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a file name</source>
        <translation>« %1 » ne peut pas être utilisé comme nom de fichier</translation>
    </message>
    <message>
        <source>No folder is given for the messages of &quot;%1&quot;</source>
        <translation>Aucun dossier n&apos;est indiqué pour les messages de « %1 »</translation>
    </message>
    <message>
        <source>The attached file &quot;%1&quot; has a name that cannot be used in %2</source>
        <translation>Le fichier joint « %1 » a un nom qui ne peut pas être utilisé dans %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Unable to copy %1 to %2: cut off because Corvane was closed</source>
        <translation>Impossible de copier %1 vers %2 : interrompu parce que Corvane a été fermé</translation>
    </message>
    <message>
        <source>An error occurred sending to %1</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;envoi à %1</translation>
    </message>
</context>
<context>
    <name>DesktopShell</name>
    <message>
        <source>No program could be started to open &quot;%1&quot;.</source>
        <translation>Aucun programme n&apos;a pu être lancé pour ouvrir « %1 ».</translation>
    </message>
    <message>
        <source>Your inbox folder &quot;%1&quot; cannot be reached.</source>
        <translation>Votre dossier de réception « %1 » est inaccessible.</translation>
    </message>
    <message>
        <source>No program could be started to open the folder &quot;%1&quot;.</source>
        <translation>Aucun programme n&apos;a pu être lancé pour ouvrir le dossier « %1 ».</translation>
    </message>
</context>
<context>
    <name>ExposureWarnings</name>
    <message>
        <source>Other users of this computer can read %1. Take their rights away (chmod go-rwx) to keep your mail to yourself.</source>
        <translation>D&apos;autres utilisateurs de cet ordinateur peuvent lire %1. Retirez-leur ces droits (chmod go-rwx) pour garder votre courrier pour vous seul.</translation>
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
    <name>FileIo</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>rename failed (error %1)</source>
        <translation>échec du renommage (erreur %1)</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus d&apos;espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Unable to read %1: the file is too large</source>
        <translation>Impossible de lire %1 : le fichier est trop volumineux</translation>
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
    <name>FolderLock</name>
    <message>
        <source>error %1</source>
        <translation>erreur %1</translation>
    </message>
    <message>
        <source>Unable to lock the folder %1: %2</source>
        <translation>Impossible de verrouiller le dossier %1 : %2</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>un autre programme le détient</translation>
    </message>
    <message>
        <source>process %1 (%2) on %3</source>
        <translation>processus %1 (%2) sur %3</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: the file could not be read, and writing it would replace everything it holds. %2</source>
        <translation>Impossible d&apos;écrire dans %1 : le fichier n&apos;a pas pu être lu, et l&apos;écrire remplacerait tout ce qu&apos;il contient. %2</translation>
    </message>
</context>
<context>
    <name>MailReading</name>
    <message>
        <source>You need to select a message to read first</source>
        <translation>Vous devez d&apos;abord sélectionner un message à lire</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this message?</source>
        <translation>Voulez-vous vraiment supprimer ce message ?</translation>
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
    <name>MakeMessage</name>
    <message>
        <source>These attachments are not forwarded, because their names cannot name a file in your inbox folder:
%1</source>
        <translation>Ces pièces jointes ne sont pas transférées, car leurs noms ne peuvent pas nommer un fichier de votre dossier de réception :
%1</translation>
    </message>
</context>
<context>
    <name>MessagePrinting</name>
    <message>
        <source>From: </source>
        <translation>De : </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Date : </translation>
    </message>
    <message>
        <source>To: </source>
        <translation>À : </translation>
    </message>
    <message>
        <source>Subject: </source>
        <translation>Objet : </translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>NewMailAnnouncement</name>
    <message>
        <source>New mail</source>
        <translation>Nouveau courrier</translation>
    </message>
</context>
<context>
    <name>NoReplaceRename</name>
    <message>
        <source>no rename without replacing here</source>
        <translation>pas de renommage sans remplacement ici</translation>
    </message>
    <message>
        <source>rename failed (error %1)</source>
        <translation>échec du renommage (erreur %1)</translation>
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
    <name>ReadAhead</name>
    <message>
        <source>The file is larger than %1 MB, more than any message file.</source>
        <translation>Le fichier dépasse %1 Mo, plus que n&apos;importe quel fichier de message.</translation>
    </message>
    <message>
        <source>The file is a link that leads nowhere.</source>
        <translation>Le fichier est un lien qui ne mène nulle part.</translation>
    </message>
    <message>
        <source>The file is a link to something outside its folder.</source>
        <translation>Le fichier est un lien vers quelque chose hors de son dossier.</translation>
    </message>
    <message>
        <source>The file is not a regular file (a pipe, device or socket).</source>
        <translation>Le fichier n&apos;est pas un fichier ordinaire (un tube, un périphérique ou un socket).</translation>
    </message>
    <message>
        <source>The file changed while it was read.</source>
        <translation>Le fichier a changé pendant sa lecture.</translation>
    </message>
    <message>
        <source>The file could not be read within %1 seconds.</source>
        <translation>Le fichier n&apos;a pas pu être lu en %1 secondes.</translation>
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
    <name>RecordScanner</name>
    <message>
        <source>%1: %2 (byte offset %3)</source>
        <translation>%1 : %2 (position d&apos;octet %3)</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n&apos;a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>the file ends inside a tag</source>
        <translation>le fichier se termine à l&apos;intérieur d&apos;une balise</translation>
    </message>
    <message>
        <source>a processing instruction</source>
        <translation>une instruction de traitement</translation>
    </message>
    <message>
        <source>the file ends before the element %1 is closed</source>
        <translation>le fichier se termine avant que l&apos;élément %1 soit fermé</translation>
    </message>
    <message>
        <source>there is no document element</source>
        <translation>il n&apos;y a pas d&apos;élément de document</translation>
    </message>
    <message>
        <source>text outside the document element</source>
        <translation>du texte hors de l&apos;élément de document</translation>
    </message>
    <message>
        <source>%1 is not closed</source>
        <translation>%1 n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>a comment</source>
        <translation>un commentaire</translation>
    </message>
    <message>
        <source>character data outside the document element</source>
        <translation>des données caractères hors de l&apos;élément de document</translation>
    </message>
    <message>
        <source>a CDATA section</source>
        <translation>une section CDATA</translation>
    </message>
    <message>
        <source>the document type is not closed</source>
        <translation>la déclaration de type de document n&apos;est pas fermée</translation>
    </message>
    <message>
        <source>an unknown markup declaration</source>
        <translation>une déclaration de balisage inconnue</translation>
    </message>
    <message>
        <source>a tag without a name</source>
        <translation>une balise sans nom</translation>
    </message>
    <message>
        <source>the file ends inside the tag %1</source>
        <translation>le fichier se termine à l&apos;intérieur de la balise %1</translation>
    </message>
    <message>
        <source>a stray &apos;/&apos; in the tag %1</source>
        <translation>un &apos;/&apos; égaré dans la balise %1</translation>
    </message>
    <message>
        <source>an attribute without value</source>
        <translation>un attribut sans valeur</translation>
    </message>
    <message>
        <source>an attribute value without quotes</source>
        <translation>une valeur d&apos;attribut sans guillemets</translation>
    </message>
    <message>
        <source>an attribute value is not closed</source>
        <translation>une valeur d&apos;attribut n&apos;est pas fermée</translation>
    </message>
    <message>
        <source>attributes without a blank between them</source>
        <translation>des attributs sans espace entre eux</translation>
    </message>
    <message>
        <source>a second document element</source>
        <translation>un second élément de document</translation>
    </message>
    <message>
        <source>an end tag is not closed</source>
        <translation>une balise de fin n&apos;est pas fermée</translation>
    </message>
    <message>
        <source>start and end tags mismatch: the end tag %1 does not close %2</source>
        <translation>les balises de début et de fin ne correspondent pas : la balise de fin %1 ne ferme pas %2</translation>
    </message>
    <message>
        <source>any element</source>
        <translation>un quelconque élément</translation>
    </message>
    <message>
        <source>a record larger than 2 GB</source>
        <translation>un enregistrement de plus de 2 Go</translation>
    </message>
</context>
<context>
    <name>JournaledWrite</name>
    <message>
        <source>the journal could not be kept aside</source>
        <translation>le journal n&apos;a pas pu être mis de côté</translation>
    </message>
</context>
<context>
    <name>RecordStore</name>
    <message>
        <source>%1 changed on disk since it was read (another copy of Corvane or a sync tool wrote it): it was read again and nothing was deleted. Delete the message again.</source>
        <translation>%1 a été modifié sur le disque depuis sa lecture (une autre copie de Corvane ou un outil de synchronisation l&apos;a écrit) : il a été relu et rien n&apos;a été supprimé. Supprimez à nouveau le message.</translation>
    </message>
    <message>
        <source>%1 was not repaired after a write was cut off: the journal of that write does not fit the file. The journal was kept as %2, and the store is open read-only so that nothing is lost: nothing is saved into it until Corvane starts again.</source>
        <translation>%1 n&apos;a pas été réparé après une écriture interrompue : le journal de cette écriture ne correspond pas au fichier. Le journal a été conservé sous %2, et le magasin est ouvert en lecture seule pour que rien ne soit perdu : rien n&apos;y est enregistré avant le prochain démarrage de Corvane.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n&apos;a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>%1: %2 (byte offset %3)</source>
        <translation>%1 : %2 (position d&apos;octet %3)</translation>
    </message>
    <message>
        <source>Message %1 could not be read from %2: the file changed since it was read. Press Save in Settings to read it again.</source>
        <translation>Le message %1 n&apos;a pas pu être lu depuis %2 : le fichier a changé depuis sa lecture. Cliquez sur Enregistrer dans les Paramètres pour le relire.</translation>
    </message>
    <message>
        <source>Message %1 of %2 cannot be read: %3</source>
        <translation>Le message %1 de %2 ne peut pas être lu : %3</translation>
    </message>
    <message>
        <source>a new message</source>
        <translation>un nouveau message</translation>
    </message>
    <message>
        <source>A new message is not one element</source>
        <translation>Un nouveau message n&apos;est pas un seul élément</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>le fichier n&apos;a pas pu être lu</translation>
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
    <message>
        <source>The folder %1 does not answer, so Corvane cannot tell whether this copy still holds %2: nothing is saved into it until the folder answers again.</source>
        <translation>Le dossier %1 ne répond pas : Corvane ne peut donc pas savoir si cette instance détient toujours %2. Rien n&apos;y est enregistré tant que le dossier ne répond pas de nouveau.</translation>
    </message>
    <message>
        <source>%1 was taken over by another copy of Corvane%2, which shares the folder %3, while this copy had it open (this computer may have been asleep). It is read-only here from now on: nothing more is saved into it. Close the other copy (or, if no copy uses it any more, remove the folder %4), then press Save in Settings.</source>
        <translation>%1 a été repris par une autre instance de Corvane%2, qui partage le dossier %3, alors que cette instance l&apos;avait ouvert (cet ordinateur était peut-être en veille). Il est désormais en lecture seule ici : plus rien n&apos;y est enregistré. Fermez l&apos;autre instance (ou, si aucune ne l&apos;utilise plus, supprimez le dossier %4), puis cliquez sur « Enregistrer » dans les paramètres.</translation>
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
    <name>XmlDocument</name>
    <message>
        <source>offset %1</source>
        <translation>position %1</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>document text</source>
        <translation>texte du document</translation>
    </message>
    <message>
        <source>%1: %2 (byte offset %3)</source>
        <translation>%1 : %2 (position d&apos;octet %3)</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1 : %2 (%3)</translation>
    </message>
    <message>
        <source>%1 was not saved: it could not be read (%2). The file is kept as it is, and nothing is saved into it until it has been read again (Save in Settings reads it again) or another folder is chosen.</source>
        <translation>%1 n&apos;a pas été enregistré : il n&apos;a pas pu être lu (%2). Le fichier est conservé tel quel, et rien n&apos;y est enregistré tant qu&apos;il n&apos;a pas été relu (Enregistrer dans les Paramètres le relit) ou qu&apos;un autre dossier n&apos;a pas été choisi.</translation>
    </message>
    <message>
        <source>Nothing was saved: the store has not been opened yet. Complete the settings and press Save.</source>
        <translation>Rien n&apos;a été enregistré : le stockage n&apos;a pas encore été ouvert. Complétez les paramètres et cliquez sur Enregistrer.</translation>
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
    <name>corvane::platform::RecordStore</name>
    <message>
        <source>There is no message number %1</source>
        <translation>Il n&apos;y a pas de message numéro %1</translation>
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
    <name>corvane::receiving::DesktopNotifier</name>
    <message>
        <source>Show Inbox</source>
        <translation>Afficher la boîte de réception</translation>
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
    <message>
        <source>InBox</source>
        <translation>Boîte de réception</translation>
    </message>
    <message>
        <source>Delete Message</source>
        <translation>Supprimer le message</translation>
    </message>
    <message>
        <source>Received messages</source>
        <translation>Messages reçus</translation>
    </message>
</context>
<context>
    <name>corvane::receiving::MailCheck</name>
    <message>
        <source>Mail cannot be checked: the name &quot;%1&quot; cannot be part of a file name. Change Your Name in the settings.</source>
        <translation>Le courrier ne peut pas être relevé : le nom « %1 » ne peut pas faire partie d&apos;un nom de fichier. Changez Votre nom dans les paramètres.</translation>
    </message>
    <message>
        <source>The message file %1 cannot be opened.
%2</source>
        <translation>Le fichier de message %1 ne peut pas être ouvert.
%2</translation>
    </message>
    <message>
        <source>The message file %1 cannot be read.
%2</source>
        <translation>Le fichier de message %1 ne peut pas être lu.
%2</translation>
    </message>
    <message>
        <source>Checking Messages</source>
        <translation>Relève des messages</translation>
    </message>
    <message>
        <source>%1 is not a message and has been moved aside as %2.</source>
        <translation>%1 n&apos;est pas un message et a été mis de côté sous le nom %2.</translation>
    </message>
    <message>
        <source>Checking Messages: is %1 still being written?</source>
        <translation>Relève des messages : %1 est-il encore en cours d&apos;écriture ?</translation>
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
    <message>
        <source>From: </source>
        <translation>De : </translation>
    </message>
    <message>
        <source>Subject: </source>
        <translation>Objet : </translation>
    </message>
    <message>
        <source>Mail Reader</source>
        <translation>Lecteur de messages</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Répondre</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Transférer</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Pièces jointes</translation>
    </message>
    <message>
        <source>Run Selected Atachment</source>
        <translation>Exécuter la pièce jointe sélectionnée</translation>
    </message>
    <message>
        <source>Open Inbox Folder</source>
        <translation>Ouvrir le dossier de réception</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Attachments: </source>
        <translation>Pièces jointes : </translation>
    </message>
</context>
<context>
    <name>corvane::receiving::MediaSoundPlayer</name>
    <message>
        <source>the sound format is not supported</source>
        <translation>le format sonore n&apos;est pas pris en charge</translation>
    </message>
</context>
<context>
    <name>corvane::receiving::NewMailAnnouncer</name>
    <message>
        <source>no sound file is chosen</source>
        <translation>aucun fichier son n&apos;est choisi</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 new messages</source>
        <translation>%1 nouveaux messages</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>The mail sound &quot;%1&quot; could not be played: %2</source>
        <translation>Le son de courrier « %1 » n&apos;a pas pu être joué : %2</translation>
    </message>
</context>
<context>
    <name>corvane::sending::AttachDialogue</name>
    <message>
        <source>Attachments</source>
        <translation>Pièces jointes</translation>
    </message>
    <message>
        <source>Attached files</source>
        <translation>Fichiers joints</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Choose files to attach</source>
        <translation>Choisir des fichiers à joindre</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove the selected files from the attachments</source>
        <translation>Retirer les fichiers sélectionnés des pièces jointes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>corvane::sending::ComposeDraft</name>
    <message>
        <source>%1 cannot be attached: %2 is already attached under the same name, and each recipient would receive only one of the two files. Rename one of them, or remove the other from the attachments.</source>
        <translation>%1 ne peut pas être joint : %2 est déjà joint sous le même nom, et chaque destinataire ne recevrait qu&apos;un des deux fichiers. Renommez l&apos;un d&apos;eux, ou retirez l&apos;autre des pièces jointes.</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this message?</source>
        <translation>Voulez-vous vraiment effacer ce message ?</translation>
    </message>
    <message>
        <source>Please do not edit this manualy, use the attach button instead</source>
        <translation>Veuillez ne pas modifier ceci à la main, utilisez plutôt le bouton Joindre</translation>
    </message>
    <message>
        <source>You can only send files not folders, you tried to send %1</source>
        <translation>Vous ne pouvez envoyer que des fichiers, pas des dossiers ; vous avez essayé d&apos;envoyer %1</translation>
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
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Envoyer le message</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear/New Message</source>
        <translation>Effacer/Nouveau message</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Align &amp;Left</source>
        <translation>Aligner à &amp;gauche</translation>
    </message>
    <message>
        <source>Align Left|Aligns text at the left indent</source>
        <translation>Aligner à gauche|Aligne le texte sur le retrait gauche</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centrer</translation>
    </message>
    <message>
        <source>Center|Centers text between margins</source>
        <translation>Centrer|Centre le texte entre les marges</translation>
    </message>
    <message>
        <source>Align &amp;Right</source>
        <translation>Aligner à &amp;droite</translation>
    </message>
    <message>
        <source>Align Right|Aligns text at the right indent</source>
        <translation>Aligner à droite|Aligne le texte sur le retrait droit</translation>
    </message>
    <message>
        <source>&amp;Bullets</source>
        <translation>&amp;Puces</translation>
    </message>
    <message>
        <source>Bullets|Inserts a bullet on the current line</source>
        <translation>Puces|Insère une puce sur la ligne actuelle</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>The text of the message</source>
        <translation>Le texte du message</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cou&amp;per</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Spell</source>
        <translation>Orthographe</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Vérification orthographique</translation>
    </message>
    <message>
        <source>Spell Check|Checks the spelling of the message</source>
        <translation>Vérification orthographique|Vérifie l&apos;orthographe du message</translation>
    </message>
    <message>
        <source>Addressing</source>
        <translation>Adressage</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>&amp;Objet</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;À</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Select Addresses|Choose the recipients from the address book</source>
        <translation>Choisir des adresses|Choisir les destinataires dans le carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Destinataires</translation>
    </message>
    <message>
        <source>&amp;Attach</source>
        <translation>&amp;Joindre</translation>
    </message>
    <message>
        <source>Attach</source>
        <translation>Joindre</translation>
    </message>
    <message>
        <source>Attachments|Choose the files to send with the message</source>
        <translation>Pièces jointes|Choisir les fichiers à envoyer avec le message</translation>
    </message>
    <message>
        <source>Attached files</source>
        <translation>Fichiers joints</translation>
    </message>
    <message>
        <source>%1 (mixed)</source>
        <translation>%1 (mixte)</translation>
    </message>
</context>
<context>
    <name>corvane::sending::ComposeSend</name>
    <message>
        <source>it does not exist</source>
        <translation>il n&apos;existe pas</translation>
    </message>
    <message>
        <source>The message was not sent: the attached file %1 cannot be read (%2). Remove it from the attachments or make it readable, then send again.</source>
        <translation>Le message n&apos;a pas été envoyé : le fichier joint %1 ne peut pas être lu (%2). Retirez-le des pièces jointes ou rendez-le lisible, puis envoyez à nouveau.</translation>
    </message>
    <message>
        <source>The message was not sent: %1</source>
        <translation>Le message n&apos;a pas été envoyé : %1</translation>
    </message>
    <message>
        <source>Corvane is checking for mail. Press Send again when the check has finished.</source>
        <translation>Corvane relève le courrier. Cliquez à nouveau sur Envoyer quand la relève est terminée.</translation>
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
    <message>
        <source>The message could not be sent: %1. Correct the name in the address book.</source>
        <translation>Le message n&apos;a pas pu être envoyé : %1. Corrigez le nom dans le carnet d&apos;adresses.</translation>
    </message>
    <message>
        <source>The message could not be sent: the attached file &quot;%1&quot; has a name that cannot be used on the shared folders. Rename the file.</source>
        <translation>Le message n&apos;a pas pu être envoyé : le fichier joint « %1 » a un nom qui ne peut pas être utilisé sur les dossiers partagés. Renommez le fichier.</translation>
    </message>
    <message>
        <source>The message could not be sent: the attached file &quot;%1&quot; has the name of a file that Corvane keeps in the shared folders. Rename the file.</source>
        <translation>Le message n&apos;a pas pu être envoyé : le fichier joint « %1 » porte le nom d&apos;un fichier que Corvane garde dans les dossiers partagés. Renommez le fichier.</translation>
    </message>
    <message>
        <source>Sending Message</source>
        <translation>Envoi du message</translation>
    </message>
    <message>
        <source>Messages Sent</source>
        <translation>Messages envoyés</translation>
    </message>
    <message>
        <source>The message could not be sent. Check that you have <byte value="xd"/>
selected at least one address. If you frequently receive this message <byte value="xd"/>
you should concider re-configuring your Corvane system</source>
        <translation>Le message n&apos;a pas pu être envoyé. Vérifiez que vous avez <byte value="xd"/>
choisi au moins une adresse. Si vous recevez souvent ce message, <byte value="xd"/>
vous devriez reconfigurer votre système Corvane</translation>
    </message>
</context>
<context>
    <name>corvane::sending::SentItemsPane</name>
    <message>
        <source>The message you chose is no longer in Sent Items: nothing was deleted.</source>
        <translation>Le message choisi n&apos;est plus dans les éléments envoyés : rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Supprimer l&apos;élément</translation>
    </message>
    <message>
        <source>Sent Items</source>
        <translation>Éléments envoyés</translation>
    </message>
    <message>
        <source>Sent messages</source>
        <translation>Messages envoyés</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this message?</source>
        <translation>Voulez-vous vraiment supprimer ce message ?</translation>
    </message>
</context>
<context>
    <name>corvane::sending::SentStore</name>
    <message>
        <source>The outgoing message has no Message element</source>
        <translation>Le message sortant n&apos;a pas d&apos;élément Message</translation>
    </message>
</context>
<context>
    <name>corvane::sending::ToDialogue</name>
    <message>
        <source>Select Addresses</source>
        <translation>Choisir des adresses</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Recipient List</source>
        <translation>Liste des destinataires</translation>
    </message>
    <message>
        <source>Add -&gt;</source>
        <translation>Ajouter -&gt;</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add the selected names to the recipient list</source>
        <translation>Ajouter les noms sélectionnés à la liste des destinataires</translation>
    </message>
    <message>
        <source>&lt;- Remove</source>
        <translation>&lt;- Retirer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove the selected names from the recipient list</source>
        <translation>Retirer les noms sélectionnés de la liste des destinataires</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
    <name>corvane::shell::HelpWindow</name>
    <message>
        <source>Corvane Help</source>
        <translation>Aide de Corvane</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Goes back to the place shown before (Alt+Left)</source>
        <translation>Revient à l&apos;endroit affiché auparavant (Alt+Gauche)</translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation>Précédent (Alt+Gauche)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Goes forward again to the place left by Back (Alt+Right)</source>
        <translation>Revient à l&apos;endroit quitté par Précédent (Alt+Droite)</translation>
    </message>
    <message>
        <source>Forward (Alt+Right)</source>
        <translation>Suivant (Alt+Droite)</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Text to find in the help; Enter finds the next place (Ctrl+F)</source>
        <translation>Texte à rechercher dans l&apos;aide ; Entrée trouve l&apos;endroit suivant (Ctrl+F)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Finds the text before the current place (Shift+F3)</source>
        <translation>Trouve le texte avant l&apos;endroit actuel (Maj+F3)</translation>
    </message>
    <message>
        <source>Find Previous (Shift+F3)</source>
        <translation>Rechercher le précédent (Maj+F3)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Finds the text after the current place (F3)</source>
        <translation>Trouve le texte après l&apos;endroit actuel (F3)</translation>
    </message>
    <message>
        <source>Find Next (F3)</source>
        <translation>Rechercher le suivant (F3)</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>Résultat de la recherche</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
    </message>
    <message>
        <source>The Corvane help; links open their topic here</source>
        <translation>L&apos;aide de Corvane ; les liens ouvrent leur sujet ici</translation>
    </message>
    <message>
        <source>The help file %1 is missing. Install Corvane again to restore it.</source>
        <translation>Le fichier d&apos;aide %1 est absent. Réinstallez Corvane pour le rétablir.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
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
<context>
    <name>main</name>
    <message>
        <source>Corvane, a mail client for a network without a mail server.

The settings are main.ini in the profile folder. Without --profile that is the
program&apos;s folder when it holds main.ini, or when it is a portable copy you may
write; otherwise (an installed package) $XDG_CONFIG_HOME/corvane, by default
~/.config/corvane. A profile folder you may not write gives way to
~/.config/corvane, which starts with a copy of its main.ini.</source>
        <translation>Corvane, un client de messagerie pour un réseau sans serveur de messagerie.

Les paramètres sont dans main.ini, dans le dossier de profil. Sans --profile, c&apos;est
le dossier du programme s&apos;il contient main.ini, ou s&apos;il s&apos;agit d&apos;une copie portable
où vous pouvez écrire ; sinon (un paquet installé) $XDG_CONFIG_HOME/corvane, par
défaut ~/.config/corvane. Un dossier de profil où vous ne pouvez pas écrire cède la
place à ~/.config/corvane, qui commence avec une copie de son main.ini.</translation>
    </message>
    <message>
        <source>Open the profile in DIR (its main.ini and stores).</source>
        <translation>Ouvrir le profil dans DIR (son main.ini et ses stockages).</translation>
    </message>
</context>
</TS>

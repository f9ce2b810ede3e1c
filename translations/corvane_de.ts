<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AddressEditing</name>
    <message>
        <source>The address could not be saved: it has no name. Enter the name of the person or server.</source>
        <translation>Die Adresse wurde nicht gespeichert: Sie hat keinen Namen. Geben Sie den Namen der Person oder des Servers ein.</translation>
    </message>
    <message>
        <source>The address could not be saved: it has no inbox folder. Enter or browse for the folder where %1 receives mail.</source>
        <translation>Die Adresse wurde nicht gespeichert: Sie hat keinen Posteingangsordner. Geben Sie den Ordner ein, in dem %1 Nachrichten empfängt, oder wählen Sie ihn aus.</translation>
    </message>
    <message>
        <source>the recipient name &quot;%1&quot; cannot be used as a file name</source>
        <translation>der Empfängername „%1“ kann nicht als Dateiname verwendet werden</translation>
    </message>
    <message>
        <source>The address could not be saved: %1. Correct the name.</source>
        <translation>Die Adresse wurde nicht gespeichert: %1. Korrigieren Sie den Namen.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this address</source>
        <translation>Möchten Sie diese Adresse wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>AttachmentFetcher</name>
    <message>
        <source>Unable to create the folder %1</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>AttachmentFiles</name>
    <message>
        <source>The attachment &quot;%1&quot; is not opened: its name cannot be a file name.</source>
        <translation>Die Anlage „%1“ wird nicht geöffnet: Ihr Name kann kein Dateiname sein.</translation>
    </message>
    <message>
        <source>The attachment &quot;%1&quot; is not in your inbox folder (%2): it may not have been fetched yet, or it was moved or deleted.</source>
        <translation>Die Anlage „%1“ ist nicht in Ihrem Posteingangsordner (%2): Sie wurde vielleicht noch nicht abgeholt, oder sie wurde verschoben oder gelöscht.</translation>
    </message>
</context>
<context>
    <name>BackgroundCopies</name>
    <message>
        <source>cut off because Corvane was closed</source>
        <translation>abgebrochen, weil Corvane geschlossen wurde</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 nach %2</translation>
    </message>
    <message>
        <source>Unable to copy %1 to %2: %3</source>
        <translation>%1 konnte nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <source>the name is taken</source>
        <translation>der Name ist vergeben</translation>
    </message>
    <message>
        <source>Waiting for attachment copies to finish</source>
        <translation>Warten, bis die Kopien der Anlagen fertig sind</translation>
    </message>
</context>
<context>
    <name>CliArguments</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option for send: %1</source>
        <translation>unbekannte Option für send: %1</translation>
    </message>
    <message>
        <source>send needs at least one --to NAME</source>
        <translation>send braucht mindestens ein --to NAME</translation>
    </message>
    <message>
        <source>give either --body or --body-file, not both</source>
        <translation>geben Sie entweder --body oder --body-file an, nicht beide</translation>
    </message>
    <message>
        <source>the message number must be 1 or more: %1</source>
        <translation>die Nachrichtennummer muss 1 oder größer sein: %1</translation>
    </message>
    <message>
        <source>unknown option for forward: %1</source>
        <translation>unbekannte Option für forward: %1</translation>
    </message>
    <message>
        <source>forward needs a message number</source>
        <translation>forward braucht eine Nachrichtennummer</translation>
    </message>
    <message>
        <source>forward needs at least one --to NAME</source>
        <translation>forward braucht mindestens ein --to NAME</translation>
    </message>
    <message>
        <source>unknown option for list: %1</source>
        <translation>unbekannte Option für list: %1</translation>
    </message>
    <message>
        <source>unknown option for %1: %2</source>
        <translation>unbekannte Option für %1: %2</translation>
    </message>
    <message>
        <source>%1 needs a message number</source>
        <translation>%1 braucht eine Nachrichtennummer</translation>
    </message>
    <message>
        <source>unknown option for compact: %1</source>
        <translation>unbekannte Option für compact: %1</translation>
    </message>
    <message>
        <source>address needs list, add or remove</source>
        <translation>address braucht list, add oder remove</translation>
    </message>
    <message>
        <source>address list takes no options</source>
        <translation>address list nimmt keine Optionen</translation>
    </message>
    <message>
        <source>unknown option for address add: %1</source>
        <translation>unbekannte Option für address add: %1</translation>
    </message>
    <message>
        <source>address add needs --name NAME and --inbox DIR</source>
        <translation>address add braucht --name NAME und --inbox DIR</translation>
    </message>
    <message>
        <source>address remove needs an address number</source>
        <translation>address remove braucht eine Adressnummer</translation>
    </message>
    <message>
        <source>the address number must be 1 or more: %1</source>
        <translation>die Adressnummer muss 1 oder größer sein: %1</translation>
    </message>
    <message>
        <source>address remove takes one number</source>
        <translation>address remove nimmt eine Nummer</translation>
    </message>
    <message>
        <source>unknown address command: %1</source>
        <translation>unbekannter address-Befehl: %1</translation>
    </message>
    <message>
        <source>unknown option for init: %1</source>
        <translation>unbekannte Option für init: %1</translation>
    </message>
    <message>
        <source>init needs --name NAME and --inbox DIR</source>
        <translation>init braucht --name NAME und --inbox DIR</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>unbekannter Befehl: %1</translation>
    </message>
    <message>
        <source>check takes no options</source>
        <translation>check nimmt keine Optionen</translation>
    </message>
    <message>
        <source>spell needs a file</source>
        <translation>spell braucht eine Datei</translation>
    </message>
    <message>
        <source>spell takes one file</source>
        <translation>spell nimmt eine Datei</translation>
    </message>
</context>
<context>
    <name>CliCommands</name>
    <message>
        <source>A send is already running.</source>
        <translation>Es wird bereits eine Nachricht gesendet.</translation>
    </message>
    <message>
        <source>The attachment %1 does not exist.</source>
        <translation>Die Anlage %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>There is no message %1: Sent Items holds %2.</source>
        <translation>Es gibt keine Nachricht %1: Gesendete Objekte enthält %2.</translation>
    </message>
    <message>
        <source>There is no message %1: the inbox holds %2.</source>
        <translation>Es gibt keine Nachricht %1: Der Posteingang enthält %2.</translation>
    </message>
    <message>
        <source>The attachment %1 is missing: it may not have been fetched yet, or it was moved or deleted.</source>
        <translation>Die Anlage %1 fehlt: Sie wurde vielleicht noch nicht abgeholt, oder sie wurde verschoben oder gelöscht.</translation>
    </message>
    <message>
        <source>Nothing to compact</source>
        <translation>Nichts zu verdichten</translation>
    </message>
    <message>
        <source>The store was not compacted: it changed meanwhile, or its new file could not be put in place (see --verbose).</source>
        <translation>Der Speicher wurde nicht verdichtet: Er hat sich inzwischen geändert, oder seine neue Datei konnte nicht an ihren Platz gebracht werden (siehe --verbose).</translation>
    </message>
    <message>
        <source>Compacted %1 to %2 bytes</source>
        <translation>%1 auf %2 Bytes verdichtet</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be used: names become parts of file names, so they may not contain \ / : * ? &quot; &lt; &gt; |, control characters, a trailing dot or space, or be a device name such as CON.</source>
        <translation>Der Name „%1“ kann nicht verwendet werden: Namen werden Teil von Dateinamen und dürfen daher weder \ / : * ? &quot; &lt; &gt; | noch Steuerzeichen oder einen Punkt oder ein Leerzeichen am Ende enthalten und kein Gerätename wie CON sein.</translation>
    </message>
    <message>
        <source>There is no address %1: the address book holds %2.</source>
        <translation>Es gibt keine Adresse %1: Das Adressbuch enthält %2.</translation>
    </message>
</context>
<context>
    <name>CliInit</name>
    <message>
        <source>%1 already exists; give --force to replace its settings.</source>
        <translation>%1 gibt es bereits; geben Sie --force an, um die Einstellungen zu ersetzen.</translation>
    </message>
    <message>
        <source>--name &quot;%1&quot; is not a name: give the name others send you mail by.</source>
        <translation>--name „%1“ ist kein Name: Geben Sie den Namen an, unter dem andere Ihnen Nachrichten senden.</translation>
    </message>
    <message>
        <source>--inbox &quot;%1&quot; is not a folder: give your folder on the shared drive.</source>
        <translation>--inbox „%1“ ist kein Ordner: Geben Sie Ihren Ordner auf dem freigegebenen Laufwerk an.</translation>
    </message>
    <message>
        <source>--name: %1.</source>
        <translation>--name: %1.</translation>
    </message>
    <message>
        <source>--inbox: the folder %1 does not exist.</source>
        <translation>--inbox: Den Ordner %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>The profile folder %1 could not be created.</source>
        <translation>Der Profilordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The data folder %1 could not be created.</source>
        <translation>Der Datenordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>%1 geschrieben</translation>
    </message>
</context>
<context>
    <name>CliProfile</name>
    <message>
        <source>The profile folder %1 does not exist.</source>
        <translation>Den Profilordner %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>Set %1 in the [%2] section of %3, in Corvane&apos;s Settings, or with corvane-cli init.</source>
        <translation>Setzen Sie %1 im Abschnitt [%2] von %3, in den Einstellungen von Corvane oder mit corvane-cli init.</translation>
    </message>
    <message>
        <source>Your inbox folder &quot;%1&quot; does not exist. %2</source>
        <translation>Ihren Posteingangsordner „%1“ gibt es nicht. %2</translation>
    </message>
    <message>
        <source>The inbox data folder &quot;%1&quot; does not exist. %2</source>
        <translation>Den Datenordner des Posteingangs „%1“ gibt es nicht. %2</translation>
    </message>
    <message>
        <source>The address list folder &quot;%1&quot; does not exist. %2</source>
        <translation>Den Ordner der Adressliste „%1“ gibt es nicht. %2</translation>
    </message>
    <message>
        <source>The Sent Items folder &quot;%1&quot; does not exist. %2</source>
        <translation>Den Ordner von Gesendete Objekte „%1“ gibt es nicht. %2</translation>
    </message>
    <message>
        <source>Your name is not set. %1</source>
        <translation>Ihr Name ist nicht gesetzt. %1</translation>
    </message>
</context>
<context>
    <name>CliUsage</name>
    <message>
        <source>  send --to NAME [--to NAME ...] [--subject TEXT] [--body TEXT | --body-file FILE]
       [--attach FILE ...]       send a message (a .rtf body file is taken as RTF)</source>
        <translation>  send --to NAME [--to NAME ...] [--subject TEXT] [--body TEXT | --body-file FILE]
       [--attach FILE ...]       eine Nachricht senden (eine .rtf-Textdatei gilt als RTF)</translation>
    </message>
    <message>
        <source>  forward N --to NAME [--to NAME ...] [--body TEXT]
                                 forward inbox message N with its attached files</source>
        <translation>  forward N --to NAME [--to NAME ...] [--body TEXT]
                                 Nachricht N des Posteingangs mit ihren Anlagen weiterleiten</translation>
    </message>
    <message>
        <source>  check                          take new mail into the inbox; prints &quot;N new&quot;</source>
        <translation>  check                          neue Nachrichten in den Posteingang holen; gibt „N new“ aus</translation>
    </message>
    <message>
        <source>  list [--sent]                  list the inbox (or Sent Items), one message a line</source>
        <translation>  list [--sent]                  den Posteingang (oder Gesendete Objekte) auflisten, eine
                                 Nachricht je Zeile</translation>
    </message>
    <message>
        <source>  show N [--sent] [--rtf]        show message N (with --rtf, the stored RTF body); an inbox
                                 message lists each attachment&apos;s file, tab-separated</source>
        <translation>  show N [--sent] [--rtf]        Nachricht N zeigen (mit --rtf den gespeicherten RTF-Text);
                                 eine Nachricht des Posteingangs nennt die Datei jeder Anlage,
                                 durch Tabulatoren getrennt</translation>
    </message>
    <message>
        <source>  delete N [--sent]              delete message N from the inbox (or Sent Items)</source>
        <translation>  delete N [--sent]              Nachricht N aus dem Posteingang (oder Gesendete Objekte) löschen</translation>
    </message>
    <message>
        <source>  compact [--sent]               give back the room deleted messages left in the store</source>
        <translation>  compact [--sent]               den Platz zurückgeben, den gelöschte Nachrichten im Speicher
                                 gelassen haben</translation>
    </message>
    <message>
        <source>  address list                   list the address book</source>
        <translation>  address list                   das Adressbuch auflisten</translation>
    </message>
    <message>
        <source>  address add --name NAME --inbox DIR [--comment TEXT] [--server]</source>
        <translation>  address add --name NAME --inbox DIR [--comment TEXT] [--server]</translation>
    </message>
    <message>
        <source>  address remove N               remove address N</source>
        <translation>  address remove N               Adresse N entfernen</translation>
    </message>
    <message>
        <source>  init --name NAME --inbox DIR [--data DIR] [--force]
                                 write the profile&apos;s main.ini: your name, your inbox folder
                                 on the share and the folder of your stores (the profile
                                 folder by default); --force replaces existing settings</source>
        <translation>  init --name NAME --inbox DIR [--data DIR] [--force]
                                 die main.ini des Profils schreiben: Ihren Namen, Ihren
                                 Posteingangsordner auf der Freigabe und den Ordner Ihrer
                                 Speicher (standardmäßig der Profilordner); --force ersetzt
                                 vorhandene Einstellungen</translation>
    </message>
    <message>
        <source>  spell FILE                     check the spelling of a text or RTF file: one line an
                                 unknown word (position, word, suggestions); exit 1 if any</source>
        <translation>  spell FILE                     die Rechtschreibung einer Text- oder RTF-Datei prüfen: eine
                                 Zeile je unbekanntem Wort (Position, Wort, Vorschläge);
                                 Exit-Status 1, wenn es welche gibt</translation>
    </message>
    <message>
        <source>Usage: corvane-cli [--profile DIR] [--verbose] COMMAND [OPTIONS]
       corvane-cli --version
       corvane-cli COMMAND --help

Commands:
</source>
        <translation>Aufruf: corvane-cli [--profile DIR] [--verbose] COMMAND [OPTIONS]
        corvane-cli --version
        corvane-cli COMMAND --help

Befehle:
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
        <translation>Die Einstellungen stehen in main.ini im Profilordner. Ohne --profile wird das Profil des
Fensters verwendet: der Ordner des Programms, wenn er main.ini enthält oder eine portable Kopie
ist, in die Sie schreiben dürfen; sonst (ein installiertes Paket) $XDG_CONFIG_HOME/corvane,
standardmäßig ~/.config/corvane.
Mit --verbose wird auf der Standardfehlerausgabe protokolliert, was das Programm auf den
Freigaben tut (Wiederholungen, beiseitegelegte Dateien, aufgebrochene Sperren, zugestellte und
abgeholte Nachrichten).
Text, den andere geschrieben haben, wird mit sichtbar gemachten Steuerzeichen ausgegeben, damit
er das Terminal nicht steuern und keine Zeilen und Spalten umbrechen kann: ein Backslash als \\,
Tabulator, Zeilenumbruch und Wagenrücklauf als \t, \n und \r, andere Steuerzeichen als \xHH und
bidirektionale Steuerzeichen und Zeilentrenner als \uHHHH. Die Felder von list, address list
und den Kopfzeilen von show maskieren auch Tabulatoren und Zeilenumbrüche; ein als Text
gezeigter Nachrichtentext behält sie; show --rtf schreibt solche Zeichen als RTF-Escapes
(\&apos;1b), sodass das RTF dasselbe Dokument bleibt.
Exit-Status: 0 Erfolg, 1 der Vorgang ist fehlgeschlagen, 2 Aufruffehler.
</translation>
    </message>
    <message>
        <source>Usage: corvane-cli [--profile DIR] [--verbose] %1 ...

%2
</source>
        <translation>Aufruf: corvane-cli [--profile DIR] [--verbose] %1 ...

%2
</translation>
    </message>
</context>
<context>
    <name>ComposePrompts</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>The lock of the folder %1 was taken by another program</source>
        <translation>Die Sperre des Ordners %1 wurde von einem anderen Programm übernommen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a file name</source>
        <translation>„%1“ kann nicht als Dateiname verwendet werden</translation>
    </message>
    <message>
        <source>No folder is given for the messages of &quot;%1&quot;</source>
        <translation>Für die Nachrichten von „%1“ ist kein Ordner angegeben</translation>
    </message>
    <message>
        <source>The attached file &quot;%1&quot; has a name that cannot be used in %2</source>
        <translation>Die angehängte Datei „%1“ hat einen Namen, der in %2 nicht verwendet werden kann</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Unable to copy %1 to %2: cut off because Corvane was closed</source>
        <translation>%1 konnte nicht nach %2 kopiert werden: abgebrochen, weil Corvane geschlossen wurde</translation>
    </message>
    <message>
        <source>An error occurred sending to %1</source>
        <translation>Beim Senden an %1 ist ein Fehler aufgetreten</translation>
    </message>
</context>
<context>
    <name>DesktopShell</name>
    <message>
        <source>No program could be started to open &quot;%1&quot;.</source>
        <translation>Es konnte kein Programm gestartet werden, um „%1“ zu öffnen.</translation>
    </message>
    <message>
        <source>Your inbox folder &quot;%1&quot; cannot be reached.</source>
        <translation>Ihr Posteingangsordner „%1“ ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>No program could be started to open the folder &quot;%1&quot;.</source>
        <translation>Es konnte kein Programm gestartet werden, um den Ordner „%1“ zu öffnen.</translation>
    </message>
</context>
<context>
    <name>ExposureWarnings</name>
    <message>
        <source>Other users of this computer can read %1. Take their rights away (chmod go-rwx) to keep your mail to yourself.</source>
        <translation>Andere Benutzer dieses Computers können %1 lesen. Entziehen Sie ihnen die Rechte (chmod go-rwx), damit Ihre Post Ihnen allein gehört.</translation>
    </message>
</context>
<context>
    <name>FileDialogFilters</name>
    <message>
        <source>Dictionary wordlists (*.dic)|*.dic|All files (*.*)|*.*</source>
        <extracomment>File dialog filter: description|patterns pairs; translate only the descriptions.</extracomment>
        <translation>Wörterbuch-Wortlisten (*.dic)|*.dic|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Sound (*.wav)|*.wav|Music (*.mid,*.mp3)|*.mid;*.mp3|All Files (*.*)|*.*</source>
        <extracomment>File dialog filter: description|patterns pairs; translate only the descriptions.</extracomment>
        <translation>Klang (*.wav)|*.wav|Musik (*.mid,*.mp3)|*.mid;*.mp3|Alle Dateien (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>rename failed (error %1)</source>
        <translation>Umbenennen fehlgeschlagen (Fehler %1)</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Platz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Unable to read %1: the file is too large</source>
        <translation>%1 konnte nicht gelesen werden: Die Datei ist zu groß</translation>
    </message>
</context>
<context>
    <name>FolderBrowser</name>
    <message>
        <source>Select Directory</source>
        <translation>Ordner auswählen</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>Unable to lock the folder %1: %2</source>
        <translation>Der Ordner %1 konnte nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>ein anderes Programm hält ihn</translation>
    </message>
    <message>
        <source>process %1 (%2) on %3</source>
        <translation>Prozess %1 (%2) auf %3</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: the file could not be read, and writing it would replace everything it holds. %2</source>
        <translation>In %1 konnte nicht geschrieben werden: Die Datei konnte nicht gelesen werden, und sie zu schreiben würde alles ersetzen, was sie enthält. %2</translation>
    </message>
</context>
<context>
    <name>MailReading</name>
    <message>
        <source>You need to select a message to read first</source>
        <translation>Sie müssen zuerst eine Nachricht zum Lesen auswählen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this message?</source>
        <translation>Möchten Sie diese Nachricht wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>MailServices</name>
    <message>
        <source>The attachment %1 was fetched, but it could not be removed from %2 because another program holds it open.</source>
        <translation>Die Anlage %1 wurde abgeholt, konnte aber nicht aus %2 entfernt werden, weil ein anderes Programm sie geöffnet hält.</translation>
    </message>
    <message>
        <source>An attachment copy failed: %1</source>
        <translation>Eine Anlage konnte nicht kopiert werden: %1</translation>
    </message>
</context>
<context>
    <name>MakeMessage</name>
    <message>
        <source>These attachments are not forwarded, because their names cannot name a file in your inbox folder:
%1</source>
        <translation>Diese Anlagen werden nicht weitergeleitet, weil ihre Namen keine Datei in Ihrem Posteingangsordner benennen können:
%1</translation>
    </message>
</context>
<context>
    <name>MessagePrinting</name>
    <message>
        <source>From: </source>
        <translation>Von: </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Datum: </translation>
    </message>
    <message>
        <source>To: </source>
        <translation>An: </translation>
    </message>
    <message>
        <source>Subject: </source>
        <translation>Betreff: </translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>NewMailAnnouncement</name>
    <message>
        <source>New mail</source>
        <translation>Neue Nachrichten</translation>
    </message>
</context>
<context>
    <name>NoReplaceRename</name>
    <message>
        <source>no rename without replacing here</source>
        <translation>hier kein Umbenennen ohne Ersetzen</translation>
    </message>
    <message>
        <source>rename failed (error %1)</source>
        <translation>Umbenennen fehlgeschlagen (Fehler %1)</translation>
    </message>
</context>
<context>
    <name>ProfileLock</name>
    <message>
        <source>Corvane cannot write in the profile folder %1, where it keeps its settings and stores. Choose a folder you may write.</source>
        <translation>Corvane kann nicht in den Profilordner %1 schreiben, in dem es seine Einstellungen und Ablagen aufbewahrt. Wählen Sie einen Ordner, in den Sie schreiben dürfen.</translation>
    </message>
    <message>
        <source>Corvane cannot write in %1, and could not copy its settings into %2.</source>
        <translation>Corvane kann nicht in %1 schreiben und konnte seine Einstellungen nicht nach %2 kopieren.</translation>
    </message>
    <message>
        <source>Corvane cannot write in %1, so it keeps your settings and stores in %2, starting from the settings in %1.</source>
        <translation>Corvane kann nicht in %1 schreiben und bewahrt Ihre Einstellungen und Ablagen daher in %2 auf, ausgehend von den Einstellungen in %1.</translation>
    </message>
    <message>
        <source>process %1 (%2) on %3</source>
        <translation>Prozess %1 (%2) auf %3</translation>
    </message>
    <message>
        <source>The profile in %1 is in use by another copy of Corvane. Close it and try again.</source>
        <translation>Das Profil in %1 wird von einer anderen Instanz von Corvane verwendet. Schließen Sie diese und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The profile in %1 is in use by another copy of Corvane (%2). Close it and try again.</source>
        <translation>Das Profil in %1 wird von einer anderen Instanz von Corvane verwendet (%2). Schließen Sie diese und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>ProgramFolders</name>
    <message>
        <source>The profile folder %1 could not be created.</source>
        <translation>Der Profilordner %1 konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>ReadAhead</name>
    <message>
        <source>The file is larger than %1 MB, more than any message file.</source>
        <translation>Die Datei ist größer als %1 MB, größer als jede Nachrichtendatei.</translation>
    </message>
    <message>
        <source>The file is a link that leads nowhere.</source>
        <translation>Die Datei ist ein Verweis, der ins Leere führt.</translation>
    </message>
    <message>
        <source>The file is a link to something outside its folder.</source>
        <translation>Die Datei ist ein Verweis auf etwas außerhalb ihres Ordners.</translation>
    </message>
    <message>
        <source>The file is not a regular file (a pipe, device or socket).</source>
        <translation>Die Datei ist keine gewöhnliche Datei (eine Pipe, ein Gerät oder ein Socket).</translation>
    </message>
    <message>
        <source>The file changed while it was read.</source>
        <translation>Die Datei hat sich beim Lesen geändert.</translation>
    </message>
    <message>
        <source>The file could not be read within %1 seconds.</source>
        <translation>Die Datei konnte nicht innerhalb von %1 Sekunden gelesen werden.</translation>
    </message>
</context>
<context>
    <name>RecipientCheck</name>
    <message>
        <source>%1 is not in your address book.</source>
        <translation>%1 steht nicht in Ihrem Adressbuch.</translation>
    </message>
    <message>
        <source>%1 is not in your address book: did you mean %2?</source>
        <translation>%1 steht nicht in Ihrem Adressbuch: Meinten Sie %2?</translation>
    </message>
</context>
<context>
    <name>RecordScanner</name>
    <message>
        <source>%1: %2 (byte offset %3)</source>
        <translation>%1: %2 (Byte-Position %3)</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the file ends inside a tag</source>
        <translation>die Datei endet innerhalb eines Tags</translation>
    </message>
    <message>
        <source>a processing instruction</source>
        <translation>eine Verarbeitungsanweisung</translation>
    </message>
    <message>
        <source>the file ends before the element %1 is closed</source>
        <translation>die Datei endet, bevor das Element %1 geschlossen ist</translation>
    </message>
    <message>
        <source>there is no document element</source>
        <translation>es gibt kein Dokumentelement</translation>
    </message>
    <message>
        <source>text outside the document element</source>
        <translation>Text außerhalb des Dokumentelements</translation>
    </message>
    <message>
        <source>%1 is not closed</source>
        <translation>%1 ist nicht geschlossen</translation>
    </message>
    <message>
        <source>a comment</source>
        <translation>ein Kommentar</translation>
    </message>
    <message>
        <source>character data outside the document element</source>
        <translation>Zeichendaten außerhalb des Dokumentelements</translation>
    </message>
    <message>
        <source>a CDATA section</source>
        <translation>ein CDATA-Abschnitt</translation>
    </message>
    <message>
        <source>the document type is not closed</source>
        <translation>die Dokumenttypdeklaration ist nicht geschlossen</translation>
    </message>
    <message>
        <source>an unknown markup declaration</source>
        <translation>eine unbekannte Markup-Deklaration</translation>
    </message>
    <message>
        <source>a tag without a name</source>
        <translation>ein Tag ohne Namen</translation>
    </message>
    <message>
        <source>the file ends inside the tag %1</source>
        <translation>die Datei endet innerhalb des Tags %1</translation>
    </message>
    <message>
        <source>a stray &apos;/&apos; in the tag %1</source>
        <translation>ein überzähliges &apos;/&apos; im Tag %1</translation>
    </message>
    <message>
        <source>an attribute without value</source>
        <translation>ein Attribut ohne Wert</translation>
    </message>
    <message>
        <source>an attribute value without quotes</source>
        <translation>ein Attributwert ohne Anführungszeichen</translation>
    </message>
    <message>
        <source>an attribute value is not closed</source>
        <translation>ein Attributwert ist nicht geschlossen</translation>
    </message>
    <message>
        <source>attributes without a blank between them</source>
        <translation>Attribute ohne Leerraum dazwischen</translation>
    </message>
    <message>
        <source>a second document element</source>
        <translation>ein zweites Dokumentelement</translation>
    </message>
    <message>
        <source>an end tag is not closed</source>
        <translation>ein End-Tag ist nicht geschlossen</translation>
    </message>
    <message>
        <source>start and end tags mismatch: the end tag %1 does not close %2</source>
        <translation>Start- und End-Tags passen nicht zusammen: Das End-Tag %1 schließt nicht %2</translation>
    </message>
    <message>
        <source>any element</source>
        <translation>ein offenes Element</translation>
    </message>
    <message>
        <source>a record larger than 2 GB</source>
        <translation>ein Datensatz größer als 2 GB</translation>
    </message>
</context>
<context>
    <name>JournaledWrite</name>
    <message>
        <source>the journal could not be kept aside</source>
        <translation>das Journal konnte nicht beiseitegelegt werden</translation>
    </message>
</context>
<context>
    <name>RecordStore</name>
    <message>
        <source>%1 changed on disk since it was read (another copy of Corvane or a sync tool wrote it): it was read again and nothing was deleted. Delete the message again.</source>
        <translation>%1 wurde auf dem Datenträger geändert, seit es gelesen wurde (eine andere Kopie von Corvane oder ein Synchronisierungsprogramm hat es geschrieben): Es wurde neu gelesen, und nichts wurde gelöscht. Löschen Sie die Nachricht erneut.</translation>
    </message>
    <message>
        <source>%1 was not repaired after a write was cut off: the journal of that write does not fit the file. The journal was kept as %2, and the store is open read-only so that nothing is lost: nothing is saved into it until Corvane starts again.</source>
        <translation>%1 wurde nach einem abgebrochenen Schreibvorgang nicht repariert: Das Journal dieses Schreibvorgangs passt nicht zur Datei. Das Journal wurde als %2 aufbewahrt, und der Speicher ist schreibgeschützt geöffnet, damit nichts verloren geht: Bis Corvane neu gestartet wird, wird nichts darin gespeichert.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: %2 (byte offset %3)</source>
        <translation>%1: %2 (Byte-Position %3)</translation>
    </message>
    <message>
        <source>Message %1 could not be read from %2: the file changed since it was read. Press Save in Settings to read it again.</source>
        <translation>Nachricht %1 konnte nicht aus %2 gelesen werden: Die Datei hat sich geändert, seit sie gelesen wurde. Klicken Sie in den Einstellungen auf Speichern, um sie neu zu lesen.</translation>
    </message>
    <message>
        <source>Message %1 of %2 cannot be read: %3</source>
        <translation>Nachricht %1 von %2 kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>a new message</source>
        <translation>eine neue Nachricht</translation>
    </message>
    <message>
        <source>A new message is not one element</source>
        <translation>Eine neue Nachricht ist nicht ein einziges Element</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>die Datei konnte nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings were not saved: fill in &quot;Your Name&quot; with the name others send you mail by.</source>
        <translation>Die Einstellungen wurden nicht gespeichert: Tragen Sie unter „Ihr Name“ den Namen ein, unter dem andere Ihnen Nachrichten senden.</translation>
    </message>
    <message>
        <source>The settings were not saved: fill in &quot;Your Inbox&quot; with your folder on the shared drive.</source>
        <translation>Die Einstellungen wurden nicht gespeichert: Tragen Sie unter „Ihr Posteingang“ Ihren Ordner auf dem freigegebenen Laufwerk ein.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Corvane  Version %1</source>
        <translation>Corvane  Version %1</translation>
    </message>
    <message>
        <source>%1

Corvane starts with its default settings and does not write the file while it cannot be read, so that the settings it holds are not lost. Make the file readable and start Corvane again.</source>
        <translation>%1

Corvane startet mit seinen Standardeinstellungen und schreibt die Datei nicht, solange sie nicht gelesen werden kann, damit die darin enthaltenen Einstellungen nicht verloren gehen. Machen Sie die Datei lesbar und starten Sie Corvane erneut.</translation>
    </message>
    <message>
        <source>Unable to write to %1: the file could not be read when Corvane started, and writing it now would replace the settings it holds. Make the file readable and start Corvane again.</source>
        <translation>In %1 kann nicht geschrieben werden: Die Datei konnte beim Start von Corvane nicht gelesen werden, und sie jetzt zu schreiben würde die darin enthaltenen Einstellungen ersetzen. Machen Sie die Datei lesbar und starten Sie Corvane erneut.</translation>
    </message>
</context>
<context>
    <name>StoreLocks</name>
    <message>
        <source>%1 is open in another copy of Corvane%2, which shares the folder %3. It is open read-only here: nothing is saved into it. Close the other copy (or, if no copy uses it any more, remove the folder %4), then press Save in Settings.</source>
        <translation>%1 ist in einer anderen Instanz von Corvane%2 geöffnet, die den Ordner %3 mitbenutzt. Hier ist die Datei schreibgeschützt geöffnet: Es wird nichts darin gespeichert. Schließen Sie die andere Instanz (oder entfernen Sie den Ordner %4, falls keine Instanz sie mehr verwendet) und klicken Sie dann in den Einstellungen auf „Speichern“.</translation>
    </message>
    <message>
        <source>Corvane cannot write in the folder %1 (%2), so %3 is open read-only: nothing is saved into it. Choose a folder you may write in Settings.</source>
        <translation>Corvane kann nicht in den Ordner %1 schreiben (%2), daher ist %3 schreibgeschützt geöffnet: Es wird nichts darin gespeichert. Wählen Sie in den Einstellungen einen Ordner, in den Sie schreiben dürfen.</translation>
    </message>
    <message>
        <source>The folder %1 does not answer, so Corvane cannot tell whether this copy still holds %2: nothing is saved into it until the folder answers again.</source>
        <translation>Der Ordner %1 antwortet nicht, daher kann Corvane nicht feststellen, ob diese Instanz %2 noch geöffnet hat: Es wird nichts darin gespeichert, bis der Ordner wieder antwortet.</translation>
    </message>
    <message>
        <source>%1 was taken over by another copy of Corvane%2, which shares the folder %3, while this copy had it open (this computer may have been asleep). It is read-only here from now on: nothing more is saved into it. Close the other copy (or, if no copy uses it any more, remove the folder %4), then press Save in Settings.</source>
        <translation>%1 wurde von einer anderen Instanz von Corvane%2 übernommen, die den Ordner %3 mitbenutzt, während diese Instanz die Datei geöffnet hatte (dieser Computer war möglicherweise im Ruhezustand). Hier ist die Datei ab jetzt schreibgeschützt: Es wird nichts mehr darin gespeichert. Schließen Sie die andere Instanz (oder entfernen Sie den Ordner %4, falls keine Instanz sie mehr verwendet) und klicken Sie dann in den Einstellungen auf „Speichern“.</translation>
    </message>
</context>
<context>
    <name>Stores</name>
    <message>
        <source>The &quot;%1&quot; is empty, so %2 has no place: choose a folder in Settings.</source>
        <translation>„%1“ ist leer, daher hat %2 keinen Speicherort: Wählen Sie in den Einstellungen einen Ordner.</translation>
    </message>
</context>
<context>
    <name>UnreadCount</name>
    <message>
        <source>no unread messages</source>
        <translation>keine ungelesenen Nachrichten</translation>
    </message>
    <message>
        <source>1 unread message</source>
        <translation>1 ungelesene Nachricht</translation>
    </message>
    <message>
        <source>%1 unread messages</source>
        <translation>%1 ungelesene Nachrichten</translation>
    </message>
</context>
<context>
    <name>XmlDocument</name>
    <message>
        <source>offset %1</source>
        <translation>Position %1</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>document text</source>
        <translation>Dokumenttext</translation>
    </message>
    <message>
        <source>%1: %2 (byte offset %3)</source>
        <translation>%1: %2 (Byte-Position %3)</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 was not saved: it could not be read (%2). The file is kept as it is, and nothing is saved into it until it has been read again (Save in Settings reads it again) or another folder is chosen.</source>
        <translation>%1 wurde nicht gespeichert: Die Datei konnte nicht gelesen werden (%2). Sie bleibt, wie sie ist, und nichts wird in ihr gespeichert, bis sie neu gelesen wurde (Speichern in den Einstellungen liest sie neu) oder ein anderer Ordner gewählt ist.</translation>
    </message>
    <message>
        <source>Nothing was saved: the store has not been opened yet. Complete the settings and press Save.</source>
        <translation>Nichts wurde gespeichert: Der Speicher ist noch nicht geöffnet. Vervollständigen Sie die Einstellungen und klicken Sie auf Speichern.</translation>
    </message>
</context>
<context>
    <name>corvane::addressbook::AddressBookCommands</name>
    <message>
        <source>New Address</source>
        <translation>Neue Adresse</translation>
    </message>
    <message>
        <source>Add a new address and edit it</source>
        <translation>Eine neue Adresse hinzufügen und bearbeiten</translation>
    </message>
    <message>
        <source>The selected row shows no address of the address book</source>
        <translation>Die ausgewählte Zeile zeigt keine Adresse des Adressbuchs</translation>
    </message>
    <message>
        <source>The address you chose is no longer in the address book: nothing was deleted.</source>
        <translation>Die gewählte Adresse steht nicht mehr im Adressbuch: Es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>Delete Address</source>
        <translation>Adresse löschen</translation>
    </message>
    <message>
        <source>Address Book tools</source>
        <translation>Adressbuch-Werkzeuge</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Adressbuch</translation>
    </message>
</context>
<context>
    <name>corvane::addressbook::AddressCollector</name>
    <message>
        <source>Corvane is finding which mail folders can be reached. Try again in a moment.</source>
        <translation>Corvane ermittelt, welche Postordner erreichbar sind. Versuchen Sie es gleich noch einmal.</translation>
    </message>
</context>
<context>
    <name>corvane::addressbook::AddressEditPane</name>
    <message>
        <source>The address shown was deleted from the address book meanwhile: nothing was saved.</source>
        <translation>Die angezeigte Adresse wurde inzwischen aus dem Adressbuch gelöscht: Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Address Edit</source>
        <translation>Adresse bearbeiten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Choose the inbox folder on the shared drive</source>
        <translation>Den Posteingangsordner auf dem freigegebenen Laufwerk wählen</translation>
    </message>
    <message>
        <source>Corvane Inbox</source>
        <translation>Corvane-Posteingang</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Use as Server</source>
        <translation>Als Server verwenden</translation>
    </message>
    <message>
        <source>Messages for people whose inbox cannot be reached are also left in this folder, and mail for you is looked for in it</source>
        <translation>Nachrichten für Personen, deren Posteingang nicht erreichbar ist, werden auch in diesem Ordner abgelegt, und Nachrichten für Sie werden auch hier gesucht</translation>
    </message>
    <message>
        <source>&lt;-- Prev</source>
        <translation>&lt;-- Zurück</translation>
    </message>
    <message>
        <source>Show the previous address</source>
        <translation>Die vorige Adresse zeigen</translation>
    </message>
    <message>
        <source>Next --&gt;</source>
        <translation>Weiter --&gt;</translation>
    </message>
    <message>
        <source>Show the next address</source>
        <translation>Die nächste Adresse zeigen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Add a new, empty address</source>
        <translation>Eine neue, leere Adresse hinzufügen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save this address</source>
        <translation>Diese Adresse speichern</translation>
    </message>
    <message>
        <source>The Address Book&apos;s selected row shows no address of the address book</source>
        <translation>Die ausgewählte Zeile des Adressbuchs zeigt keine Adresse des Adressbuchs</translation>
    </message>
</context>
<context>
    <name>corvane::addressbook::AddressStore</name>
    <message>
        <source>The address list has no Addressbook element</source>
        <translation>Die Adressliste hat kein Addressbook-Element</translation>
    </message>
</context>
<context>
    <name>corvane::platform::RecordStore</name>
    <message>
        <source>There is no message number %1</source>
        <translation>Es gibt keine Nachricht Nummer %1</translation>
    </message>
</context>
<context>
    <name>corvane::platform::XmlStore</name>
    <message>
        <source>There is no address number %1</source>
        <translation>Es gibt keine Adresse Nummer %1</translation>
    </message>
</context>
<context>
    <name>corvane::receiving::DesktopNotifier</name>
    <message>
        <source>Show Inbox</source>
        <translation>Posteingang zeigen</translation>
    </message>
</context>
<context>
    <name>corvane::receiving::InboxPane</name>
    <message>
        <source>Reply</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Allen antworten</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Weiterleiten</translation>
    </message>
    <message>
        <source>Mark as Unread</source>
        <translation>Als ungelesen markieren</translation>
    </message>
    <message>
        <source>The message you chose is no longer in the InBox: nothing was deleted.</source>
        <translation>Die gewählte Nachricht ist nicht mehr im Posteingang: Es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>InBox</source>
        <translation>Posteingang</translation>
    </message>
    <message>
        <source>Delete Message</source>
        <translation>Nachricht löschen</translation>
    </message>
    <message>
        <source>Received messages</source>
        <translation>Empfangene Nachrichten</translation>
    </message>
</context>
<context>
    <name>corvane::receiving::MailCheck</name>
    <message>
        <source>Mail cannot be checked: the name &quot;%1&quot; cannot be part of a file name. Change Your Name in the settings.</source>
        <translation>Nachrichten können nicht abgerufen werden: Der Name „%1“ kann nicht Teil eines Dateinamens sein. Ändern Sie „Ihr Name“ in den Einstellungen.</translation>
    </message>
    <message>
        <source>The message file %1 cannot be opened.
%2</source>
        <translation>Die Nachrichtendatei %1 kann nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <source>The message file %1 cannot be read.
%2</source>
        <translation>Die Nachrichtendatei %1 kann nicht gelesen werden.
%2</translation>
    </message>
    <message>
        <source>Checking Messages</source>
        <translation>Nachrichten werden abgerufen</translation>
    </message>
    <message>
        <source>%1 is not a message and has been moved aside as %2.</source>
        <translation>%1 ist keine Nachricht und wurde als %2 beiseitegelegt.</translation>
    </message>
    <message>
        <source>Checking Messages: is %1 still being written?</source>
        <translation>Nachrichten werden abgerufen: Wird %1 noch geschrieben?</translation>
    </message>
</context>
<context>
    <name>corvane::receiving::MailReaderPane</name>
    <message>
        <source>To: </source>
        <translation>An: </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Datum: </translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Allen antworten</translation>
    </message>
    <message>
        <source>Reply to the sender and every other recipient</source>
        <translation>Dem Absender und allen anderen Empfängern antworten</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Als PDF exportieren…</translation>
    </message>
    <message>
        <source>Save Attachment As…</source>
        <translation>Anlage speichern unter…</translation>
    </message>
    <message>
        <source>The message is still being read; try again in a moment.</source>
        <translation>Die Nachricht wird noch gelesen; versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>From: </source>
        <translation>Von: </translation>
    </message>
    <message>
        <source>Subject: </source>
        <translation>Betreff: </translation>
    </message>
    <message>
        <source>Mail Reader</source>
        <translation>Nachricht lesen</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Weiterleiten</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorherige</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Anlagen</translation>
    </message>
    <message>
        <source>Run Selected Atachment</source>
        <translation>Ausgewählte Anlage ausführen</translation>
    </message>
    <message>
        <source>Open Inbox Folder</source>
        <translation>Posteingangsordner öffnen</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Attachments: </source>
        <translation>Anlagen: </translation>
    </message>
</context>
<context>
    <name>corvane::receiving::MediaSoundPlayer</name>
    <message>
        <source>the sound format is not supported</source>
        <translation>das Klangformat wird nicht unterstützt</translation>
    </message>
</context>
<context>
    <name>corvane::receiving::NewMailAnnouncer</name>
    <message>
        <source>no sound file is chosen</source>
        <translation>keine Klangdatei gewählt</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>%1 new messages</source>
        <translation>%1 neue Nachrichten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The mail sound &quot;%1&quot; could not be played: %2</source>
        <translation>Der Nachrichtenklang „%1“ konnte nicht abgespielt werden: %2</translation>
    </message>
</context>
<context>
    <name>corvane::sending::AttachDialogue</name>
    <message>
        <source>Attachments</source>
        <translation>Anlagen</translation>
    </message>
    <message>
        <source>Attached files</source>
        <translation>Angehängte Dateien</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Choose files to attach</source>
        <translation>Dateien zum Anhängen wählen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the selected files from the attachments</source>
        <translation>Die ausgewählten Dateien aus den Anlagen entfernen</translation>
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
        <translation>%1 kann nicht angehängt werden: %2 ist bereits unter demselben Namen angehängt, und jeder Empfänger würde nur eine der beiden Dateien erhalten. Benennen Sie eine davon um oder entfernen Sie die andere aus den Anlagen.</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this message?</source>
        <translation>Möchten Sie diese Nachricht wirklich leeren?</translation>
    </message>
    <message>
        <source>Please do not edit this manualy, use the attach button instead</source>
        <translation>Bitte bearbeiten Sie dies nicht von Hand, verwenden Sie stattdessen die Schaltfläche Anhängen</translation>
    </message>
    <message>
        <source>You can only send files not folders, you tried to send %1</source>
        <translation>Sie können nur Dateien senden, keine Ordner; Sie wollten Folgendes senden: %1</translation>
    </message>
</context>
<context>
    <name>corvane::sending::ComposePane</name>
    <message>
        <source>Discard the message you are writing?</source>
        <translation>Die Nachricht, die Sie gerade schreiben, verwerfen?</translation>
    </message>
    <message>
        <source>Send the message anyway?</source>
        <translation>Die Nachricht trotzdem senden?</translation>
    </message>
    <message>
        <source>Add %1 to your address book now? (No sends the message as it is.)</source>
        <translation>%1 jetzt zu Ihrem Adressbuch hinzufügen? („Nein“ sendet die Nachricht so, wie sie ist.)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Nachricht senden</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear/New Message</source>
        <translation>Leeren/Neue Nachricht</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Align &amp;Left</source>
        <translation>&amp;Linksbündig</translation>
    </message>
    <message>
        <source>Align Left|Aligns text at the left indent</source>
        <translation>Linksbündig|Richtet den Text am linken Einzug aus</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Zentriert</translation>
    </message>
    <message>
        <source>Center|Centers text between margins</source>
        <translation>Zentriert|Zentriert den Text zwischen den Rändern</translation>
    </message>
    <message>
        <source>Align &amp;Right</source>
        <translation>&amp;Rechtsbündig</translation>
    </message>
    <message>
        <source>Align Right|Aligns text at the right indent</source>
        <translation>Rechtsbündig|Richtet den Text am rechten Einzug aus</translation>
    </message>
    <message>
        <source>&amp;Bullets</source>
        <translation>&amp;Aufzählung</translation>
    </message>
    <message>
        <source>Bullets|Inserts a bullet on the current line</source>
        <translation>Aufzählung|Setzt ein Aufzählungszeichen in die aktuelle Zeile</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>The text of the message</source>
        <translation>Der Text der Nachricht</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Spell</source>
        <translation>Rechtschreibung</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Rechtschreibprüfung</translation>
    </message>
    <message>
        <source>Spell Check|Checks the spelling of the message</source>
        <translation>Rechtschreibprüfung|Prüft die Rechtschreibung der Nachricht</translation>
    </message>
    <message>
        <source>Addressing</source>
        <translation>Adressierung</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>&amp;Betreff</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;An</translation>
    </message>
    <message>
        <source>To</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Select Addresses|Choose the recipients from the address book</source>
        <translation>Adressen auswählen|Die Empfänger aus dem Adressbuch wählen</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>&amp;Attach</source>
        <translation>An&amp;hängen</translation>
    </message>
    <message>
        <source>Attach</source>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Attachments|Choose the files to send with the message</source>
        <translation>Anlagen|Die Dateien wählen, die mit der Nachricht gesendet werden</translation>
    </message>
    <message>
        <source>Attached files</source>
        <translation>Angehängte Dateien</translation>
    </message>
    <message>
        <source>%1 (mixed)</source>
        <translation>%1 (gemischt)</translation>
    </message>
</context>
<context>
    <name>corvane::sending::ComposeSend</name>
    <message>
        <source>it does not exist</source>
        <translation>es gibt sie nicht</translation>
    </message>
    <message>
        <source>The message was not sent: the attached file %1 cannot be read (%2). Remove it from the attachments or make it readable, then send again.</source>
        <translation>Die Nachricht wurde nicht gesendet: Die angehängte Datei %1 kann nicht gelesen werden (%2). Entfernen Sie sie aus den Anlagen oder machen Sie sie lesbar und senden Sie dann erneut.</translation>
    </message>
    <message>
        <source>The message was not sent: %1</source>
        <translation>Die Nachricht wurde nicht gesendet: %1</translation>
    </message>
    <message>
        <source>Corvane is checking for mail. Press Send again when the check has finished.</source>
        <translation>Corvane ruft gerade Nachrichten ab. Klicken Sie erneut auf Senden, wenn der Abruf beendet ist.</translation>
    </message>
</context>
<context>
    <name>corvane::sending::DeliveryWatch</name>
    <message>
        <source>Waiting: %1</source>
        <translation>Wartet: %1</translation>
    </message>
    <message>
        <source>Relayed: %1</source>
        <translation>Über Server: %1</translation>
    </message>
    <message>
        <source>Not delivered: %1</source>
        <translation>Nicht zugestellt: %1</translation>
    </message>
    <message>
        <source>Picked up</source>
        <translation>Abgeholt</translation>
    </message>
</context>
<context>
    <name>corvane::sending::SendAction</name>
    <message>
        <source>A message is being sent. Wait until it has been sent, then try again.</source>
        <translation>Eine Nachricht wird gerade gesendet. Warten Sie, bis sie gesendet ist, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The message was not sent: none of the folders could be written. Send it again when the shared folders can be reached.</source>
        <translation>Die Nachricht wurde nicht gesendet: In keinen der Ordner konnte geschrieben werden. Senden Sie sie erneut, wenn die freigegebenen Ordner erreichbar sind.</translation>
    </message>
    <message>
        <source>The message could not be sent: %1. Correct the name in the address book.</source>
        <translation>Die Nachricht konnte nicht gesendet werden: %1. Korrigieren Sie den Namen im Adressbuch.</translation>
    </message>
    <message>
        <source>The message could not be sent: the attached file &quot;%1&quot; has a name that cannot be used on the shared folders. Rename the file.</source>
        <translation>Die Nachricht konnte nicht gesendet werden: Die angehängte Datei „%1“ hat einen Namen, der auf den freigegebenen Ordnern nicht verwendet werden kann. Benennen Sie die Datei um.</translation>
    </message>
    <message>
        <source>The message could not be sent: the attached file &quot;%1&quot; has the name of a file that Corvane keeps in the shared folders. Rename the file.</source>
        <translation>Die Nachricht konnte nicht gesendet werden: Die angehängte Datei „%1“ trägt den Namen einer Datei, die Corvane in den freigegebenen Ordnern führt. Benennen Sie die Datei um.</translation>
    </message>
    <message>
        <source>Sending Message</source>
        <translation>Nachricht wird gesendet</translation>
    </message>
    <message>
        <source>Messages Sent</source>
        <translation>Nachrichten gesendet</translation>
    </message>
    <message>
        <source>The message could not be sent. Check that you have <byte value="xd"/>
selected at least one address. If you frequently receive this message <byte value="xd"/>
you should concider re-configuring your Corvane system</source>
        <translation>Die Nachricht konnte nicht gesendet werden. Prüfen Sie, ob Sie <byte value="xd"/>
mindestens eine Adresse ausgewählt haben. Wenn Sie diese Meldung häufig erhalten, <byte value="xd"/>
sollten Sie Ihr Corvane-System neu einrichten</translation>
    </message>
</context>
<context>
    <name>corvane::sending::SentItemsPane</name>
    <message>
        <source>The message you chose is no longer in Sent Items: nothing was deleted.</source>
        <translation>Die gewählte Nachricht ist nicht mehr in „Gesendete Objekte“: Es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Objekt löschen</translation>
    </message>
    <message>
        <source>Sent Items</source>
        <translation>Gesendete Objekte</translation>
    </message>
    <message>
        <source>Sent messages</source>
        <translation>Gesendete Nachrichten</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this message?</source>
        <translation>Möchten Sie diese Nachricht wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>corvane::sending::SentStore</name>
    <message>
        <source>The outgoing message has no Message element</source>
        <translation>Die ausgehende Nachricht hat kein Message-Element</translation>
    </message>
</context>
<context>
    <name>corvane::sending::ToDialogue</name>
    <message>
        <source>Select Addresses</source>
        <translation>Adressen auswählen</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Recipient List</source>
        <translation>Empfängerliste</translation>
    </message>
    <message>
        <source>Add -&gt;</source>
        <translation>Hinzufügen -&gt;</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add the selected names to the recipient list</source>
        <translation>Die ausgewählten Namen der Empfängerliste hinzufügen</translation>
    </message>
    <message>
        <source>&lt;- Remove</source>
        <translation>&lt;- Entfernen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the selected names from the recipient list</source>
        <translation>Die ausgewählten Namen aus der Empfängerliste entfernen</translation>
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
        <translation>Corvane hat eine Nachricht aufbewahrt, die Sie beim letzten Beenden geschrieben haben (Betreff: „%1“). Möchten Sie sie weiterschreiben?

„Nein“ verwirft sie.</translation>
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
        <translation>Laufende Kopiervorgänge</translation>
    </message>
    <message>
        <source>The attachment copies Corvane waits for before it closes</source>
        <translation>Die Kopien von Anlagen, auf die Corvane vor dem Schließen wartet</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Trotzdem schließen</translation>
    </message>
    <message>
        <source>Close now; the copies still running are cut off and leave no file behind</source>
        <translation>Jetzt schließen; laufende Kopien werden abgebrochen und hinterlassen keine Datei</translation>
    </message>
    <message>
        <source>Keep Open</source>
        <translation>Geöffnet lassen</translation>
    </message>
    <message>
        <source>Do not close; the copies go on</source>
        <translation>Nicht schließen; die Kopien laufen weiter</translation>
    </message>
</context>
<context>
    <name>corvane::shell::GridSetup</name>
    <message>
        <source>Delivery</source>
        <translation>Zustellung</translation>
    </message>
    <message>
        <source>Address No.</source>
        <translation>Adress-Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Posteingang</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Msg No.</source>
        <translation>Nachr.-Nr.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Anlagen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Gelesen</translation>
    </message>
    <message>
        <source>To</source>
        <translation>An</translation>
    </message>
</context>
<context>
    <name>corvane::shell::HelpWindow</name>
    <message>
        <source>Corvane Help</source>
        <translation>Corvane-Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Goes back to the place shown before (Alt+Left)</source>
        <translation>Geht zurück zur zuvor gezeigten Stelle (Alt+Links)</translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation>Zurück (Alt+Links)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Goes forward again to the place left by Back (Alt+Right)</source>
        <translation>Geht wieder vor zu der Stelle, die mit Zurück verlassen wurde (Alt+Rechts)</translation>
    </message>
    <message>
        <source>Forward (Alt+Right)</source>
        <translation>Vor (Alt+Rechts)</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Text to find in the help; Enter finds the next place (Ctrl+F)</source>
        <translation>Text, der in der Hilfe gesucht wird; Eingabe findet die nächste Stelle (Strg+F)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorherige</translation>
    </message>
    <message>
        <source>Finds the text before the current place (Shift+F3)</source>
        <translation>Findet den Text vor der aktuellen Stelle (Umschalt+F3)</translation>
    </message>
    <message>
        <source>Find Previous (Shift+F3)</source>
        <translation>Vorherige suchen (Umschalt+F3)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>Finds the text after the current place (F3)</source>
        <translation>Findet den Text nach der aktuellen Stelle (F3)</translation>
    </message>
    <message>
        <source>Find Next (F3)</source>
        <translation>Nächste suchen (F3)</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>Suchergebnis</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>The Corvane help; links open their topic here</source>
        <translation>Die Corvane-Hilfe; Verweise öffnen ihr Thema hier</translation>
    </message>
    <message>
        <source>The help file %1 is missing. Install Corvane again to restore it.</source>
        <translation>Die Hilfedatei %1 fehlt. Installieren Sie Corvane erneut, um sie wiederherzustellen.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
</context>
<context>
    <name>corvane::shell::MailCheckController</name>
    <message>
        <source>Corvane is checking for mail. Try again when the check has finished.</source>
        <translation>Corvane ruft gerade Nachrichten ab. Versuchen Sie es erneut, wenn der Abruf beendet ist.</translation>
    </message>
    <message>
        <source>Checking Messages</source>
        <translation>Nachrichten werden abgerufen</translation>
    </message>
</context>
<context>
    <name>corvane::shell::MainSettingsPage</name>
    <message>
        <source>Minutes between automatic mail checks</source>
        <translation>Minuten zwischen automatischen Mailabrufen</translation>
    </message>
    <message>
        <source>Inbox Datafile Folder</source>
        <translation>Ordner der Posteingangsdatei</translation>
    </message>
    <message>
        <source>Address List Folder</source>
        <translation>Ordner der Adressliste</translation>
    </message>
    <message>
        <source>Sent Items Folder</source>
        <translation>Ordner für gesendete Objekte</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Inbox</source>
        <translation>Ihr Posteingang</translation>
    </message>
    <message>
        <source>Use as server</source>
        <translation>Als Server verwenden</translation>
    </message>
    <message>
        <source>Auto Check Mail Every</source>
        <translation>Nachrichten automatisch abrufen alle</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Start Page</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Pick one</source>
        <translation>Bitte wählen</translation>
    </message>
    <message>
        <source>Show pop up message for new mail</source>
        <translation>Bei neuen Nachrichten ein Hinweisfenster zeigen</translation>
    </message>
    <message>
        <source>Desktop notification for new mail</source>
        <translation>Desktop-Benachrichtigung bei neuen Nachrichten</translation>
    </message>
    <message>
        <source>Also tell the desktop about new mail while the window is out of view</source>
        <translation>Den Desktop auch über neue Nachrichten informieren, während das Fenster nicht sichtbar ist</translation>
    </message>
    <message>
        <source>Mail Sound</source>
        <translation>Nachrichtenton</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Kein Ton</translation>
    </message>
    <message>
        <source>Default Beep</source>
        <translation>Standard-Signalton</translation>
    </message>
    <message>
        <source>Custom Sound</source>
        <translation>Eigener Ton</translation>
    </message>
</context>
<context>
    <name>corvane::shell::MainWindow</name>
    <message>
        <source>New Message</source>
        <translation>Neue Nachricht</translation>
    </message>
    <message>
        <source>Saved &quot;%1&quot;</source>
        <translation>„%1“ gespeichert</translation>
    </message>
    <message>
        <source>Corvane will close when the message has been sent.</source>
        <translation>Corvane wird geschlossen, sobald die Nachricht gesendet ist.</translation>
    </message>
    <message>
        <source>Corvane will close when the mail check has ended.</source>
        <translation>Corvane wird geschlossen, sobald der Nachrichtenabruf beendet ist.</translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>Check Mail</source>
        <translation>Nachrichten abrufen</translation>
    </message>
    <message>
        <source>Check for New Mail</source>
        <translation>Auf neue Nachrichten prüfen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Show Help</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Hauptleiste</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 nach %2</translation>
    </message>
</context>
<context>
    <name>corvane::shell::Navigation</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>InBox</source>
        <translation>Posteingang</translation>
    </message>
    <message>
        <source>Mail Reader</source>
        <translation>Nachricht lesen</translation>
    </message>
    <message>
        <source>Sent Items</source>
        <translation>Gesendete Objekte</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Address Edit</source>
        <translation>Adresse bearbeiten</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Address List</source>
        <translation>Adressliste</translation>
    </message>
</context>
<context>
    <name>corvane::shell::NavigationBar</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>InBox</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Mail Reader</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Sent Items</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Edit Address</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>corvane::shell::SettingsPane</name>
    <message>
        <source>Settings pages</source>
        <translation>Einstellungsseiten</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>Einstellungen gespeichert.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Rechtschreibprüfung</translation>
    </message>
</context>
<context>
    <name>corvane::shell::SpellSettingsPage</name>
    <message>
        <source>Main Dictionary</source>
        <translation>Hauptwörterbuch</translation>
    </message>
    <message>
        <source>Custom Dictionary</source>
        <translation>Benutzerwörterbuch</translation>
    </message>
    <message>
        <source>Limit Sugestions to</source>
        <translation>Vorschläge begrenzen auf</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Rechtschreibung während der Eingabe prüfen</translation>
    </message>
    <message>
        <source>Underline unknown words in red while you write a message</source>
        <translation>Unbekannte Wörter beim Schreiben einer Nachricht rot unterstreichen</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
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
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>corvane::sortgrid::StringGridModel</name>
    <message>
        <source>Grid index out of range</source>
        <translation>Tabellenindex außerhalb des Bereichs</translation>
    </message>
</context>
<context>
    <name>corvane::spell::Dictionary</name>
    <message>
        <source>The dictionary %1 is larger than 64 MB; it is not read.</source>
        <translation>Das Wörterbuch %1 ist größer als 64 MB; es wird nicht gelesen.</translation>
    </message>
    <message>
        <source>The dictionary %1 is not a word list: it holds binary data.</source>
        <translation>Das Wörterbuch %1 ist keine Wortliste: Es enthält Binärdaten.</translation>
    </message>
    <message>
        <source>Dictionary Not Found</source>
        <translation>Wörterbuch nicht gefunden</translation>
    </message>
    <message>
        <source>Custom dictionary has not been specified</source>
        <translation>Es wurde kein Benutzerwörterbuch angegeben</translation>
    </message>
</context>
<context>
    <name>corvane::spell::SpellCheckDialog</name>
    <message>
        <source>Spell Check</source>
        <translation>Rechtschreibprüfung</translation>
    </message>
    <message>
        <source>Original Word</source>
        <translation>Ursprüngliches Wort</translation>
    </message>
    <message>
        <source>The word the dictionaries do not know</source>
        <translation>Das Wort, das die Wörterbücher nicht kennen</translation>
    </message>
    <message>
        <source>Change To</source>
        <translation>Ändern in</translation>
    </message>
    <message>
        <source>The text Change puts in the word&apos;s place</source>
        <translation>Der Text, den „Ändern“ an die Stelle des Wortes setzt</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Vorschläge</translation>
    </message>
    <message>
        <source>Dictionary words that sound alike; click one to change to it</source>
        <translation>Ähnlich klingende Wörter aus dem Wörterbuch; klicken Sie eines an, um es zu übernehmen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Leave this word as it is</source>
        <translation>Dieses Wort unverändert lassen</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation>Alle ignorieren</translation>
    </message>
    <message>
        <source>Leave this word as it is wherever it occurs until Corvane is closed</source>
        <translation>Dieses Wort überall unverändert lassen, bis Corvane geschlossen wird</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Replace the word with Change To</source>
        <translation>Das Wort durch „Ändern in“ ersetzen</translation>
    </message>
    <message>
        <source>Change All</source>
        <translation>Alle ändern</translation>
    </message>
    <message>
        <source>Replace the word with Change To here and wherever it occurs again in this check</source>
        <translation>Das Wort hier und überall, wo es in dieser Prüfung wieder vorkommt, durch „Ändern in“ ersetzen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add the word to the custom dictionary and leave it as it is</source>
        <translation>Das Wort zum Benutzerwörterbuch hinzufügen und unverändert lassen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Stop the spell check</source>
        <translation>Die Rechtschreibprüfung beenden</translation>
    </message>
    <message>
        <source>{No Sugestions}</source>
        <translation>{Keine Vorschläge}</translation>
    </message>
</context>
<context>
    <name>corvane::spell::SpellChecker</name>
    <message>
        <source>A spell check is already running.</source>
        <translation>Es läuft bereits eine Rechtschreibprüfung.</translation>
    </message>
</context>
<context>
    <name>corvane::spell::SpellHighlighter</name>
    <message>
        <source>(no suggestions)</source>
        <translation>(keine Vorschläge)</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation>Alle ignorieren</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
</context>
<context>
    <name>corvane::spell::SpellRun</name>
    <message>
        <source>The message is being checked for spelling. Finish or close the spell check first.</source>
        <translation>Die Rechtschreibung der Nachricht wird gerade geprüft. Beenden oder schließen Sie zuerst die Rechtschreibprüfung.</translation>
    </message>
    <message>
        <source>The message was changed while it was being checked, so the spell check stopped there. Press the spell button again to check the rest.</source>
        <translation>Die Nachricht wurde während der Prüfung geändert, daher wurde die Rechtschreibprüfung an dieser Stelle beendet. Klicken Sie erneut auf die Rechtschreibschaltfläche, um den Rest zu prüfen.</translation>
    </message>
</context>
<context>
    <name>corvane::ui::FindField</name>
    <message>
        <source>Show only the messages whose sender or recipients, subject, attachments or text hold every word typed here (Ctrl+F); Esc shows all again</source>
        <translation>Nur die Nachrichten zeigen, deren Absender oder Empfänger, Betreff, Anlagen oder Text jedes hier eingegebene Wort enthalten (Strg+F); Esc zeigt wieder alle</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Suchen (Strg+F)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>corvane::ui::ListPane</name>
    <message>
        <source>Reading the message texts for Find: %1%</source>
        <translation>Nachrichtentexte für die Suche werden gelesen: %1 %</translation>
    </message>
    <message>
        <source>Are you sure you want to delete these %1 messages?</source>
        <translation>Möchten Sie diese %1 Nachrichten wirklich löschen?</translation>
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
        <translation>Corvane, ein Mailprogramm für ein Netzwerk ohne Mailserver.

Die Einstellungen stehen in main.ini im Profilordner. Ohne --profile ist das der
Ordner des Programms, wenn er main.ini enthält oder eine portable Kopie ist, in die
Sie schreiben dürfen; sonst (ein installiertes Paket) $XDG_CONFIG_HOME/corvane,
standardmäßig ~/.config/corvane. Ein Profilordner, in den Sie nicht schreiben dürfen,
weicht ~/.config/corvane, das mit einer Kopie seiner main.ini beginnt.</translation>
    </message>
    <message>
        <source>Open the profile in DIR (its main.ini and stores).</source>
        <translation>Das Profil in DIR öffnen (seine main.ini und Speicher).</translation>
    </message>
</context>
</TS>

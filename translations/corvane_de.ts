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
    <name>FolderBrowser</name>
    <message>
        <source>Select Directory</source>
        <translation>Ordner auswählen</translation>
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
    <name>corvane::platform::XmlStore</name>
    <message>
        <source>There is no address number %1</source>
        <translation>Es gibt keine Adresse Nummer %1</translation>
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
</context>
<context>
    <name>corvane::sending::SentItemsPane</name>
    <message>
        <source>The message you chose is no longer in Sent Items: nothing was deleted.</source>
        <translation>Die gewählte Nachricht ist nicht mehr in „Gesendete Objekte“: Es wurde nichts gelöscht.</translation>
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
</TS>

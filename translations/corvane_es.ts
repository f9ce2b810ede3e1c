<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AddressEditing</name>
    <message>
        <source>The address could not be saved: it has no name. Enter the name of the person or server.</source>
        <translation>La dirección no se ha guardado: no tiene nombre. Escriba el nombre de la persona o del servidor.</translation>
    </message>
    <message>
        <source>The address could not be saved: it has no inbox folder. Enter or browse for the folder where %1 receives mail.</source>
        <translation>La dirección no se ha guardado: no tiene carpeta de entrada. Escriba o busque la carpeta donde %1 recibe el correo.</translation>
    </message>
    <message>
        <source>the recipient name &quot;%1&quot; cannot be used as a file name</source>
        <translation>el nombre de destinatario «%1» no puede usarse como nombre de archivo</translation>
    </message>
    <message>
        <source>The address could not be saved: %1. Correct the name.</source>
        <translation>La dirección no se ha guardado: %1. Corrija el nombre.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this address</source>
        <translation>¿Seguro que desea eliminar esta dirección?</translation>
    </message>
</context>
<context>
    <name>AttachmentFetcher</name>
    <message>
        <source>Unable to create the folder %1</source>
        <translation>No se pudo crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>AttachmentFiles</name>
    <message>
        <source>The attachment &quot;%1&quot; is not opened: its name cannot be a file name.</source>
        <translation>El adjunto «%1» no se abre: su nombre no puede ser un nombre de archivo.</translation>
    </message>
    <message>
        <source>The attachment &quot;%1&quot; is not in your inbox folder (%2): it may not have been fetched yet, or it was moved or deleted.</source>
        <translation>El adjunto «%1» no está en su carpeta de entrada (%2): puede que aún no se haya recogido, o se movió o eliminó.</translation>
    </message>
</context>
<context>
    <name>BackgroundCopies</name>
    <message>
        <source>cut off because Corvane was closed</source>
        <translation>interrumpido porque Corvane se cerró</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Unable to copy %1 to %2: %3</source>
        <translation>No se pudo copiar %1 a %2: %3</translation>
    </message>
    <message>
        <source>the name is taken</source>
        <translation>el nombre ya está ocupado</translation>
    </message>
    <message>
        <source>Waiting for attachment copies to finish</source>
        <translation>Esperando a que terminen las copias de los adjuntos</translation>
    </message>
</context>
<context>
    <name>CliArguments</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option for send: %1</source>
        <translation>opción desconocida para send: %1</translation>
    </message>
    <message>
        <source>send needs at least one --to NAME</source>
        <translation>send necesita al menos un --to NAME</translation>
    </message>
    <message>
        <source>give either --body or --body-file, not both</source>
        <translation>indique --body o --body-file, no ambos</translation>
    </message>
    <message>
        <source>the message number must be 1 or more: %1</source>
        <translation>el número de mensaje debe ser 1 o mayor: %1</translation>
    </message>
    <message>
        <source>unknown option for forward: %1</source>
        <translation>opción desconocida para forward: %1</translation>
    </message>
    <message>
        <source>forward needs a message number</source>
        <translation>forward necesita un número de mensaje</translation>
    </message>
    <message>
        <source>forward needs at least one --to NAME</source>
        <translation>forward necesita al menos un --to NAME</translation>
    </message>
    <message>
        <source>unknown option for list: %1</source>
        <translation>opción desconocida para list: %1</translation>
    </message>
    <message>
        <source>unknown option for %1: %2</source>
        <translation>opción desconocida para %1: %2</translation>
    </message>
    <message>
        <source>%1 needs a message number</source>
        <translation>%1 necesita un número de mensaje</translation>
    </message>
    <message>
        <source>unknown option for compact: %1</source>
        <translation>opción desconocida para compact: %1</translation>
    </message>
    <message>
        <source>address needs list, add or remove</source>
        <translation>address necesita list, add o remove</translation>
    </message>
    <message>
        <source>address list takes no options</source>
        <translation>address list no admite opciones</translation>
    </message>
    <message>
        <source>unknown option for address add: %1</source>
        <translation>opción desconocida para address add: %1</translation>
    </message>
    <message>
        <source>address add needs --name NAME and --inbox DIR</source>
        <translation>address add necesita --name NAME y --inbox DIR</translation>
    </message>
    <message>
        <source>address remove needs an address number</source>
        <translation>address remove necesita un número de dirección</translation>
    </message>
    <message>
        <source>the address number must be 1 or more: %1</source>
        <translation>el número de dirección debe ser 1 o mayor: %1</translation>
    </message>
    <message>
        <source>address remove takes one number</source>
        <translation>address remove admite un solo número</translation>
    </message>
    <message>
        <source>unknown address command: %1</source>
        <translation>comando address desconocido: %1</translation>
    </message>
    <message>
        <source>unknown option for init: %1</source>
        <translation>opción desconocida para init: %1</translation>
    </message>
    <message>
        <source>init needs --name NAME and --inbox DIR</source>
        <translation>init necesita --name NAME y --inbox DIR</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se indicó ningún comando</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>comando desconocido: %1</translation>
    </message>
    <message>
        <source>check takes no options</source>
        <translation>check no admite opciones</translation>
    </message>
    <message>
        <source>spell needs a file</source>
        <translation>spell necesita un archivo</translation>
    </message>
    <message>
        <source>spell takes one file</source>
        <translation>spell admite un solo archivo</translation>
    </message>
</context>
<context>
    <name>CliCommands</name>
    <message>
        <source>A send is already running.</source>
        <translation>Ya se está enviando un mensaje.</translation>
    </message>
    <message>
        <source>The attachment %1 does not exist.</source>
        <translation>El adjunto %1 no existe.</translation>
    </message>
    <message>
        <source>There is no message %1: Sent Items holds %2.</source>
        <translation>No hay mensaje %1: Elementos enviados contiene %2.</translation>
    </message>
    <message>
        <source>There is no message %1: the inbox holds %2.</source>
        <translation>No hay mensaje %1: la bandeja de entrada contiene %2.</translation>
    </message>
    <message>
        <source>The attachment %1 is missing: it may not have been fetched yet, or it was moved or deleted.</source>
        <translation>Falta el adjunto %1: puede que aún no se haya recogido, o se movió o eliminó.</translation>
    </message>
    <message>
        <source>Nothing to compact</source>
        <translation>Nada que compactar</translation>
    </message>
    <message>
        <source>The store was not compacted: it changed meanwhile, or its new file could not be put in place (see --verbose).</source>
        <translation>El almacén no se compactó: cambió mientras tanto, o su nuevo archivo no pudo ponerse en su sitio (véase --verbose).</translation>
    </message>
    <message>
        <source>Compacted %1 to %2 bytes</source>
        <translation>Compactado de %1 a %2 bytes</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be used: names become parts of file names, so they may not contain \ / : * ? &quot; &lt; &gt; |, control characters, a trailing dot or space, or be a device name such as CON.</source>
        <translation>El nombre «%1» no se puede usar: los nombres forman parte de nombres de archivo, por lo que no pueden contener \ / : * ? &quot; &lt; &gt; |, caracteres de control, un punto o un espacio final, ni ser un nombre de dispositivo como CON.</translation>
    </message>
    <message>
        <source>There is no address %1: the address book holds %2.</source>
        <translation>No hay dirección %1: la libreta de direcciones contiene %2.</translation>
    </message>
</context>
<context>
    <name>CliInit</name>
    <message>
        <source>%1 already exists; give --force to replace its settings.</source>
        <translation>%1 ya existe; indique --force para sustituir su configuración.</translation>
    </message>
    <message>
        <source>--name &quot;%1&quot; is not a name: give the name others send you mail by.</source>
        <translation>--name «%1» no es un nombre: indique el nombre con el que otros le envían correo.</translation>
    </message>
    <message>
        <source>--inbox &quot;%1&quot; is not a folder: give your folder on the shared drive.</source>
        <translation>--inbox «%1» no es una carpeta: indique su carpeta en la unidad compartida.</translation>
    </message>
    <message>
        <source>--name: %1.</source>
        <translation>--name: %1.</translation>
    </message>
    <message>
        <source>--inbox: the folder %1 does not exist.</source>
        <translation>--inbox: la carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>The profile folder %1 could not be created.</source>
        <translation>No se pudo crear la carpeta de perfil %1.</translation>
    </message>
    <message>
        <source>The data folder %1 could not be created.</source>
        <translation>No se pudo crear la carpeta de datos %1.</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>Se escribió %1</translation>
    </message>
</context>
<context>
    <name>CliProfile</name>
    <message>
        <source>The profile folder %1 does not exist.</source>
        <translation>La carpeta de perfil %1 no existe.</translation>
    </message>
    <message>
        <source>Set %1 in the [%2] section of %3, in Corvane&apos;s Settings, or with corvane-cli init.</source>
        <translation>Defina %1 en la sección [%2] de %3, en la Configuración de Corvane o con corvane-cli init.</translation>
    </message>
    <message>
        <source>Your inbox folder &quot;%1&quot; does not exist. %2</source>
        <translation>Su carpeta de entrada «%1» no existe. %2</translation>
    </message>
    <message>
        <source>The inbox data folder &quot;%1&quot; does not exist. %2</source>
        <translation>La carpeta de datos de la bandeja de entrada «%1» no existe. %2</translation>
    </message>
    <message>
        <source>The address list folder &quot;%1&quot; does not exist. %2</source>
        <translation>La carpeta de la lista de direcciones «%1» no existe. %2</translation>
    </message>
    <message>
        <source>The Sent Items folder &quot;%1&quot; does not exist. %2</source>
        <translation>La carpeta de Elementos enviados «%1» no existe. %2</translation>
    </message>
    <message>
        <source>Your name is not set. %1</source>
        <translation>Su nombre no está definido. %1</translation>
    </message>
</context>
<context>
    <name>CliUsage</name>
    <message>
        <source>  send --to NAME [--to NAME ...] [--subject TEXT] [--body TEXT | --body-file FILE]
       [--attach FILE ...]       send a message (a .rtf body file is taken as RTF)</source>
        <translation>  send --to NAME [--to NAME ...] [--subject TEXT] [--body TEXT | --body-file FILE]
       [--attach FILE ...]       enviar un mensaje (un archivo .rtf se toma como RTF)</translation>
    </message>
    <message>
        <source>  forward N --to NAME [--to NAME ...] [--body TEXT]
                                 forward inbox message N with its attached files</source>
        <translation>  forward N --to NAME [--to NAME ...] [--body TEXT]
                                 reenviar el mensaje N de la entrada con sus archivos adjuntos</translation>
    </message>
    <message>
        <source>  check                          take new mail into the inbox; prints &quot;N new&quot;</source>
        <translation>  check                          recoger el correo nuevo en la bandeja de entrada; muestra «N new»</translation>
    </message>
    <message>
        <source>  list [--sent]                  list the inbox (or Sent Items), one message a line</source>
        <translation>  list [--sent]                  listar la bandeja de entrada (o Elementos enviados), un
                                 mensaje por línea</translation>
    </message>
    <message>
        <source>  show N [--sent] [--rtf]        show message N (with --rtf, the stored RTF body); an inbox
                                 message lists each attachment&apos;s file, tab-separated</source>
        <translation>  show N [--sent] [--rtf]        mostrar el mensaje N (con --rtf, el cuerpo RTF guardado); un
                                 mensaje recibido indica el archivo de cada adjunto, separado
                                 por tabuladores</translation>
    </message>
    <message>
        <source>  delete N [--sent]              delete message N from the inbox (or Sent Items)</source>
        <translation>  delete N [--sent]              eliminar el mensaje N de la bandeja de entrada (o Elementos
                                 enviados)</translation>
    </message>
    <message>
        <source>  compact [--sent]               give back the room deleted messages left in the store</source>
        <translation>  compact [--sent]               devolver el espacio que los mensajes eliminados dejaron en el
                                 almacén</translation>
    </message>
    <message>
        <source>  address list                   list the address book</source>
        <translation>  address list                   listar la libreta de direcciones</translation>
    </message>
    <message>
        <source>  address add --name NAME --inbox DIR [--comment TEXT] [--server]</source>
        <translation>  address add --name NAME --inbox DIR [--comment TEXT] [--server]</translation>
    </message>
    <message>
        <source>  address remove N               remove address N</source>
        <translation>  address remove N               eliminar la dirección N</translation>
    </message>
    <message>
        <source>  init --name NAME --inbox DIR [--data DIR] [--force]
                                 write the profile&apos;s main.ini: your name, your inbox folder
                                 on the share and the folder of your stores (the profile
                                 folder by default); --force replaces existing settings</source>
        <translation>  init --name NAME --inbox DIR [--data DIR] [--force]
                                 escribir el main.ini del perfil: su nombre, su carpeta de
                                 entrada en el recurso compartido y la carpeta de sus almacenes
                                 (por defecto la carpeta de perfil); --force sustituye la
                                 configuración existente</translation>
    </message>
    <message>
        <source>  spell FILE                     check the spelling of a text or RTF file: one line an
                                 unknown word (position, word, suggestions); exit 1 if any</source>
        <translation>  spell FILE                     revisar la ortografía de un archivo de texto o RTF: una línea
                                 por palabra desconocida (posición, palabra, sugerencias);
                                 estado de salida 1 si hay alguna</translation>
    </message>
    <message>
        <source>Usage: corvane-cli [--profile DIR] [--verbose] COMMAND [OPTIONS]
       corvane-cli --version
       corvane-cli COMMAND --help

Commands:
</source>
        <translation>Uso: corvane-cli [--profile DIR] [--verbose] COMMAND [OPTIONS]
     corvane-cli --version
     corvane-cli COMMAND --help

Comandos:
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
        <translation>La configuración está en main.ini, en la carpeta de perfil. Sin --profile se usa el perfil de
la ventana: la carpeta del programa si contiene main.ini o si es una copia portable en la que
puede escribir; si no (un paquete instalado) $XDG_CONFIG_HOME/corvane, por defecto
~/.config/corvane.
Con --verbose, lo que el programa hace en los recursos compartidos (reintentos, archivos
apartados, bloqueos forzados, mensajes entregados y recogidos) se registra en la salida de error.
El texto que escribieron otros se muestra con sus caracteres de control hechos visibles, para
que no pueda controlar el terminal ni romper líneas y columnas: una barra invertida como \\,
tabulador, salto de línea y retorno de carro como \t, \n y \r, otros caracteres de control como
\xHH, y los controles bidireccionales y separadores de línea como \uHHHH. Los campos de list,
address list y las cabeceras de show escapan también tabuladores y saltos de línea; un cuerpo
mostrado como texto los conserva; show --rtf escribe esos caracteres como escapes RTF (\&apos;1b),
de modo que el RTF sigue siendo el mismo documento.
Estado de salida: 0 éxito, 1 la operación falló, 2 error de uso.
</translation>
    </message>
    <message>
        <source>Usage: corvane-cli [--profile DIR] [--verbose] %1 ...

%2
</source>
        <translation>Uso: corvane-cli [--profile DIR] [--verbose] %1 ...

%2
</translation>
    </message>
</context>
<context>
    <name>ComposePrompts</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>The lock of the folder %1 was taken by another program</source>
        <translation>Otro programa tomó el bloqueo de la carpeta %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a file name</source>
        <translation>«%1» no se puede usar como nombre de archivo</translation>
    </message>
    <message>
        <source>No folder is given for the messages of &quot;%1&quot;</source>
        <translation>No se indicó ninguna carpeta para los mensajes de «%1»</translation>
    </message>
    <message>
        <source>The attached file &quot;%1&quot; has a name that cannot be used in %2</source>
        <translation>El archivo adjunto «%1» tiene un nombre que no se puede usar en %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Unable to copy %1 to %2: cut off because Corvane was closed</source>
        <translation>No se pudo copiar %1 a %2: interrumpido porque Corvane se cerró</translation>
    </message>
    <message>
        <source>An error occurred sending to %1</source>
        <translation>Se produjo un error al enviar a %1</translation>
    </message>
</context>
<context>
    <name>DesktopShell</name>
    <message>
        <source>No program could be started to open &quot;%1&quot;.</source>
        <translation>No se pudo iniciar ningún programa para abrir «%1».</translation>
    </message>
    <message>
        <source>Your inbox folder &quot;%1&quot; cannot be reached.</source>
        <translation>No se puede acceder a su carpeta de entrada «%1».</translation>
    </message>
    <message>
        <source>No program could be started to open the folder &quot;%1&quot;.</source>
        <translation>No se pudo iniciar ningún programa para abrir la carpeta «%1».</translation>
    </message>
</context>
<context>
    <name>ExposureWarnings</name>
    <message>
        <source>Other users of this computer can read %1. Take their rights away (chmod go-rwx) to keep your mail to yourself.</source>
        <translation>Otros usuarios de este equipo pueden leer %1. Retíreles los permisos (chmod go-rwx) para que su correo sea solo suyo.</translation>
    </message>
</context>
<context>
    <name>FileDialogFilters</name>
    <message>
        <source>Dictionary wordlists (*.dic)|*.dic|All files (*.*)|*.*</source>
        <extracomment>File dialog filter: description|patterns pairs; translate only the descriptions.</extracomment>
        <translation>Listas de palabras de diccionario (*.dic)|*.dic|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>Sound (*.wav)|*.wav|Music (*.mid,*.mp3)|*.mid;*.mp3|All Files (*.*)|*.*</source>
        <extracomment>File dialog filter: description|patterns pairs; translate only the descriptions.</extracomment>
        <translation>Sonido (*.wav)|*.wav|Música (*.mid,*.mp3)|*.mid;*.mp3|Todos los archivos (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se pudo escribir en %1</translation>
    </message>
    <message>
        <source>rename failed (error %1)</source>
        <translation>falló el cambio de nombre (error %1)</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>Unable to read %1: the file is too large</source>
        <translation>No se pudo leer %1: el archivo es demasiado grande</translation>
    </message>
</context>
<context>
    <name>FolderBrowser</name>
    <message>
        <source>Select Directory</source>
        <translation>Seleccionar carpeta</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <source>Unable to lock the folder %1: %2</source>
        <translation>No se pudo bloquear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>otro programa la tiene bloqueada</translation>
    </message>
    <message>
        <source>process %1 (%2) on %3</source>
        <translation>proceso %1 (%2) en %3</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: the file could not be read, and writing it would replace everything it holds. %2</source>
        <translation>No se pudo escribir en %1: el archivo no se pudo leer, y escribirlo sustituiría todo lo que contiene. %2</translation>
    </message>
</context>
<context>
    <name>MailReading</name>
    <message>
        <source>You need to select a message to read first</source>
        <translation>Primero debe seleccionar un mensaje para leer</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this message?</source>
        <translation>¿Seguro que desea eliminar este mensaje?</translation>
    </message>
</context>
<context>
    <name>MailServices</name>
    <message>
        <source>The attachment %1 was fetched, but it could not be removed from %2 because another program holds it open.</source>
        <translation>El adjunto %1 se ha recogido, pero no se ha podido quitar de %2 porque otro programa lo mantiene abierto.</translation>
    </message>
    <message>
        <source>An attachment copy failed: %1</source>
        <translation>Ha fallado la copia de un adjunto: %1</translation>
    </message>
</context>
<context>
    <name>MakeMessage</name>
    <message>
        <source>These attachments are not forwarded, because their names cannot name a file in your inbox folder:
%1</source>
        <translation>Estos adjuntos no se reenvían, porque sus nombres no pueden nombrar un archivo de su carpeta de entrada:
%1</translation>
    </message>
</context>
<context>
    <name>MessagePrinting</name>
    <message>
        <source>From: </source>
        <translation>De: </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Fecha: </translation>
    </message>
    <message>
        <source>To: </source>
        <translation>Para: </translation>
    </message>
    <message>
        <source>Subject: </source>
        <translation>Asunto: </translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>No se pudo escribir el archivo «%1».</translation>
    </message>
</context>
<context>
    <name>NewMailAnnouncement</name>
    <message>
        <source>New mail</source>
        <translation>Correo nuevo</translation>
    </message>
</context>
<context>
    <name>NoReplaceRename</name>
    <message>
        <source>no rename without replacing here</source>
        <translation>aquí no se puede cambiar el nombre sin sustituir</translation>
    </message>
    <message>
        <source>rename failed (error %1)</source>
        <translation>falló el cambio de nombre (error %1)</translation>
    </message>
</context>
<context>
    <name>ProfileLock</name>
    <message>
        <source>Corvane cannot write in the profile folder %1, where it keeps its settings and stores. Choose a folder you may write.</source>
        <translation>Corvane no puede escribir en la carpeta de perfil %1, donde guarda su configuración y sus almacenes. Elija una carpeta en la que pueda escribir.</translation>
    </message>
    <message>
        <source>Corvane cannot write in %1, and could not copy its settings into %2.</source>
        <translation>Corvane no puede escribir en %1 y no ha podido copiar su configuración en %2.</translation>
    </message>
    <message>
        <source>Corvane cannot write in %1, so it keeps your settings and stores in %2, starting from the settings in %1.</source>
        <translation>Corvane no puede escribir en %1, así que guarda su configuración y sus almacenes en %2, a partir de la configuración de %1.</translation>
    </message>
    <message>
        <source>process %1 (%2) on %3</source>
        <translation>proceso %1 (%2) en %3</translation>
    </message>
    <message>
        <source>The profile in %1 is in use by another copy of Corvane. Close it and try again.</source>
        <translation>El perfil de %1 lo está usando otra copia de Corvane. Ciérrela e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The profile in %1 is in use by another copy of Corvane (%2). Close it and try again.</source>
        <translation>El perfil de %1 lo está usando otra copia de Corvane (%2). Ciérrela e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>ProgramFolders</name>
    <message>
        <source>The profile folder %1 could not be created.</source>
        <translation>No se ha podido crear la carpeta de perfil %1.</translation>
    </message>
</context>
<context>
    <name>ReadAhead</name>
    <message>
        <source>The file is larger than %1 MB, more than any message file.</source>
        <translation>El archivo supera los %1 MB, más que cualquier archivo de mensaje.</translation>
    </message>
    <message>
        <source>The file is a link that leads nowhere.</source>
        <translation>El archivo es un enlace que no lleva a ninguna parte.</translation>
    </message>
    <message>
        <source>The file is a link to something outside its folder.</source>
        <translation>El archivo es un enlace a algo fuera de su carpeta.</translation>
    </message>
    <message>
        <source>The file is not a regular file (a pipe, device or socket).</source>
        <translation>El archivo no es un archivo normal (una tubería, un dispositivo o un socket).</translation>
    </message>
    <message>
        <source>The file changed while it was read.</source>
        <translation>El archivo cambió mientras se leía.</translation>
    </message>
    <message>
        <source>The file could not be read within %1 seconds.</source>
        <translation>No se pudo leer el archivo en %1 segundos.</translation>
    </message>
</context>
<context>
    <name>RecipientCheck</name>
    <message>
        <source>%1 is not in your address book.</source>
        <translation>%1 no está en su libreta de direcciones.</translation>
    </message>
    <message>
        <source>%1 is not in your address book: did you mean %2?</source>
        <translation>%1 no está en su libreta de direcciones: ¿quería decir %2?</translation>
    </message>
</context>
<context>
    <name>RecordScanner</name>
    <message>
        <source>%1: %2 (byte offset %3)</source>
        <translation>%1: %2 (posición de byte %3)</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>the file ends inside a tag</source>
        <translation>el archivo termina dentro de una etiqueta</translation>
    </message>
    <message>
        <source>a processing instruction</source>
        <translation>una instrucción de procesamiento</translation>
    </message>
    <message>
        <source>the file ends before the element %1 is closed</source>
        <translation>el archivo termina antes de que se cierre el elemento %1</translation>
    </message>
    <message>
        <source>there is no document element</source>
        <translation>no hay elemento de documento</translation>
    </message>
    <message>
        <source>text outside the document element</source>
        <translation>texto fuera del elemento de documento</translation>
    </message>
    <message>
        <source>%1 is not closed</source>
        <translation>%1 no está cerrado</translation>
    </message>
    <message>
        <source>a comment</source>
        <translation>un comentario</translation>
    </message>
    <message>
        <source>character data outside the document element</source>
        <translation>datos de caracteres fuera del elemento de documento</translation>
    </message>
    <message>
        <source>a CDATA section</source>
        <translation>una sección CDATA</translation>
    </message>
    <message>
        <source>the document type is not closed</source>
        <translation>la declaración de tipo de documento no está cerrada</translation>
    </message>
    <message>
        <source>an unknown markup declaration</source>
        <translation>una declaración de marcado desconocida</translation>
    </message>
    <message>
        <source>a tag without a name</source>
        <translation>una etiqueta sin nombre</translation>
    </message>
    <message>
        <source>the file ends inside the tag %1</source>
        <translation>el archivo termina dentro de la etiqueta %1</translation>
    </message>
    <message>
        <source>a stray &apos;/&apos; in the tag %1</source>
        <translation>una &apos;/&apos; suelta en la etiqueta %1</translation>
    </message>
    <message>
        <source>an attribute without value</source>
        <translation>un atributo sin valor</translation>
    </message>
    <message>
        <source>an attribute value without quotes</source>
        <translation>un valor de atributo sin comillas</translation>
    </message>
    <message>
        <source>an attribute value is not closed</source>
        <translation>un valor de atributo no está cerrado</translation>
    </message>
    <message>
        <source>attributes without a blank between them</source>
        <translation>atributos sin espacio entre ellos</translation>
    </message>
    <message>
        <source>a second document element</source>
        <translation>un segundo elemento de documento</translation>
    </message>
    <message>
        <source>an end tag is not closed</source>
        <translation>una etiqueta de cierre no está cerrada</translation>
    </message>
    <message>
        <source>start and end tags mismatch: the end tag %1 does not close %2</source>
        <translation>las etiquetas de apertura y cierre no coinciden: la etiqueta de cierre %1 no cierra %2</translation>
    </message>
    <message>
        <source>any element</source>
        <translation>ningún elemento abierto</translation>
    </message>
    <message>
        <source>a record larger than 2 GB</source>
        <translation>un registro de más de 2 GB</translation>
    </message>
</context>
<context>
    <name>JournaledWrite</name>
    <message>
        <source>the journal could not be kept aside</source>
        <translation>no se pudo apartar el diario</translation>
    </message>
</context>
<context>
    <name>RecordStore</name>
    <message>
        <source>%1 changed on disk since it was read (another copy of Corvane or a sync tool wrote it): it was read again and nothing was deleted. Delete the message again.</source>
        <translation>%1 cambió en el disco desde que se leyó (otra copia de Corvane o una herramienta de sincronización lo escribió): se leyó de nuevo y no se eliminó nada. Elimine el mensaje otra vez.</translation>
    </message>
    <message>
        <source>%1 was not repaired after a write was cut off: the journal of that write does not fit the file. The journal was kept as %2, and the store is open read-only so that nothing is lost: nothing is saved into it until Corvane starts again.</source>
        <translation>%1 no se reparó tras una escritura interrumpida: el diario de esa escritura no corresponde al archivo. El diario se conservó como %2, y el almacén está abierto en solo lectura para que no se pierda nada: no se guarda nada en él hasta que Corvane se inicie de nuevo.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>%1: %2 (byte offset %3)</source>
        <translation>%1: %2 (posición de byte %3)</translation>
    </message>
    <message>
        <source>Message %1 could not be read from %2: the file changed since it was read. Press Save in Settings to read it again.</source>
        <translation>No se pudo leer el mensaje %1 de %2: el archivo cambió desde que se leyó. Pulse Guardar en la Configuración para volver a leerlo.</translation>
    </message>
    <message>
        <source>Message %1 of %2 cannot be read: %3</source>
        <translation>No se puede leer el mensaje %1 de %2: %3</translation>
    </message>
    <message>
        <source>a new message</source>
        <translation>un mensaje nuevo</translation>
    </message>
    <message>
        <source>A new message is not one element</source>
        <translation>Un mensaje nuevo no es un único elemento</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>no se pudo leer el archivo</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings were not saved: fill in &quot;Your Name&quot; with the name others send you mail by.</source>
        <translation>La configuración no se ha guardado: escriba en «Su nombre» el nombre con el que los demás le envían correo.</translation>
    </message>
    <message>
        <source>The settings were not saved: fill in &quot;Your Inbox&quot; with your folder on the shared drive.</source>
        <translation>La configuración no se ha guardado: escriba en «Su bandeja de entrada» su carpeta de la unidad compartida.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Corvane  Version %1</source>
        <translation>Corvane  versión %1</translation>
    </message>
    <message>
        <source>%1

Corvane starts with its default settings and does not write the file while it cannot be read, so that the settings it holds are not lost. Make the file readable and start Corvane again.</source>
        <translation>%1

Corvane se inicia con la configuración predeterminada y no escribe el archivo mientras no se pueda leer, para no perder la configuración que contiene. Haga que el archivo se pueda leer e inicie Corvane de nuevo.</translation>
    </message>
    <message>
        <source>Unable to write to %1: the file could not be read when Corvane started, and writing it now would replace the settings it holds. Make the file readable and start Corvane again.</source>
        <translation>No se puede escribir en %1: el archivo no se pudo leer al iniciarse Corvane y escribirlo ahora sustituiría la configuración que contiene. Haga que el archivo se pueda leer e inicie Corvane de nuevo.</translation>
    </message>
</context>
<context>
    <name>StoreLocks</name>
    <message>
        <source>%1 is open in another copy of Corvane%2, which shares the folder %3. It is open read-only here: nothing is saved into it. Close the other copy (or, if no copy uses it any more, remove the folder %4), then press Save in Settings.</source>
        <translation>%1 está abierto en otra copia de Corvane%2, que comparte la carpeta %3. Aquí está abierto solo para lectura: no se guarda nada en él. Cierre la otra copia (o, si ya no lo usa ninguna, elimine la carpeta %4) y pulse «Guardar» en la configuración.</translation>
    </message>
    <message>
        <source>Corvane cannot write in the folder %1 (%2), so %3 is open read-only: nothing is saved into it. Choose a folder you may write in Settings.</source>
        <translation>Corvane no puede escribir en la carpeta %1 (%2), así que %3 está abierto solo para lectura: no se guarda nada en él. Elija en la configuración una carpeta en la que pueda escribir.</translation>
    </message>
    <message>
        <source>The folder %1 does not answer, so Corvane cannot tell whether this copy still holds %2: nothing is saved into it until the folder answers again.</source>
        <translation>La carpeta %1 no responde, así que Corvane no puede saber si esta copia sigue teniendo %2: no se guarda nada en él hasta que la carpeta vuelva a responder.</translation>
    </message>
    <message>
        <source>%1 was taken over by another copy of Corvane%2, which shares the folder %3, while this copy had it open (this computer may have been asleep). It is read-only here from now on: nothing more is saved into it. Close the other copy (or, if no copy uses it any more, remove the folder %4), then press Save in Settings.</source>
        <translation>Otra copia de Corvane%2, que comparte la carpeta %3, se ha hecho cargo de %1 mientras esta copia lo tenía abierto (puede que este equipo estuviera en suspensión). A partir de ahora está abierto aquí solo para lectura: no se guarda nada más en él. Cierre la otra copia (o, si ya no lo usa ninguna, elimine la carpeta %4) y pulse «Guardar» en la configuración.</translation>
    </message>
</context>
<context>
    <name>Stores</name>
    <message>
        <source>The &quot;%1&quot; is empty, so %2 has no place: choose a folder in Settings.</source>
        <translation>«%1» está vacío, así que %2 no tiene ubicación: elija una carpeta en la configuración.</translation>
    </message>
</context>
<context>
    <name>UnreadCount</name>
    <message>
        <source>no unread messages</source>
        <translation>ningún mensaje sin leer</translation>
    </message>
    <message>
        <source>1 unread message</source>
        <translation>1 mensaje sin leer</translation>
    </message>
    <message>
        <source>%1 unread messages</source>
        <translation>%1 mensajes sin leer</translation>
    </message>
</context>
<context>
    <name>XmlDocument</name>
    <message>
        <source>offset %1</source>
        <translation>posición %1</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <source>document text</source>
        <translation>texto del documento</translation>
    </message>
    <message>
        <source>%1: %2 (byte offset %3)</source>
        <translation>%1: %2 (posición de byte %3)</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 was not saved: it could not be read (%2). The file is kept as it is, and nothing is saved into it until it has been read again (Save in Settings reads it again) or another folder is chosen.</source>
        <translation>%1 no se guardó: no se pudo leer (%2). El archivo se conserva tal como está, y no se guarda nada en él hasta que se vuelva a leer (Guardar en la Configuración lo vuelve a leer) o se elija otra carpeta.</translation>
    </message>
    <message>
        <source>Nothing was saved: the store has not been opened yet. Complete the settings and press Save.</source>
        <translation>No se guardó nada: el almacén aún no se ha abierto. Complete la configuración y pulse Guardar.</translation>
    </message>
</context>
<context>
    <name>corvane::addressbook::AddressBookCommands</name>
    <message>
        <source>New Address</source>
        <translation>Nueva dirección</translation>
    </message>
    <message>
        <source>Add a new address and edit it</source>
        <translation>Añadir una dirección nueva y editarla</translation>
    </message>
    <message>
        <source>The selected row shows no address of the address book</source>
        <translation>La fila seleccionada no muestra ninguna dirección de la libreta</translation>
    </message>
    <message>
        <source>The address you chose is no longer in the address book: nothing was deleted.</source>
        <translation>La dirección elegida ya no está en la libreta: no se ha eliminado nada.</translation>
    </message>
    <message>
        <source>Delete Address</source>
        <translation>Eliminar dirección</translation>
    </message>
    <message>
        <source>Address Book tools</source>
        <translation>Herramientas de la libreta de direcciones</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Libreta de direcciones</translation>
    </message>
</context>
<context>
    <name>corvane::addressbook::AddressCollector</name>
    <message>
        <source>Corvane is finding which mail folders can be reached. Try again in a moment.</source>
        <translation>Corvane está comprobando qué carpetas de correo son accesibles. Inténtelo de nuevo en un momento.</translation>
    </message>
</context>
<context>
    <name>corvane::addressbook::AddressEditPane</name>
    <message>
        <source>The address shown was deleted from the address book meanwhile: nothing was saved.</source>
        <translation>La dirección mostrada se ha eliminado de la libreta mientras tanto: no se ha guardado nada.</translation>
    </message>
    <message>
        <source>Address Edit</source>
        <translation>Editar dirección</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Choose the inbox folder on the shared drive</source>
        <translation>Elegir la carpeta de entrada en la unidad compartida</translation>
    </message>
    <message>
        <source>Corvane Inbox</source>
        <translation>Bandeja de entrada de Corvane</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Use as Server</source>
        <translation>Usar como servidor</translation>
    </message>
    <message>
        <source>Messages for people whose inbox cannot be reached are also left in this folder, and mail for you is looked for in it</source>
        <translation>Los mensajes para las personas cuya bandeja de entrada no se puede alcanzar también se dejan en esta carpeta, y en ella también se busca su correo</translation>
    </message>
    <message>
        <source>&lt;-- Prev</source>
        <translation>&lt;-- Anterior</translation>
    </message>
    <message>
        <source>Show the previous address</source>
        <translation>Mostrar la dirección anterior</translation>
    </message>
    <message>
        <source>Next --&gt;</source>
        <translation>Siguiente --&gt;</translation>
    </message>
    <message>
        <source>Show the next address</source>
        <translation>Mostrar la dirección siguiente</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Add a new, empty address</source>
        <translation>Añadir una dirección nueva y vacía</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save this address</source>
        <translation>Guardar esta dirección</translation>
    </message>
    <message>
        <source>The Address Book&apos;s selected row shows no address of the address book</source>
        <translation>La fila seleccionada de la libreta de direcciones no muestra ninguna dirección de la libreta</translation>
    </message>
</context>
<context>
    <name>corvane::addressbook::AddressStore</name>
    <message>
        <source>The address list has no Addressbook element</source>
        <translation>La lista de direcciones no tiene elemento Addressbook</translation>
    </message>
</context>
<context>
    <name>corvane::platform::RecordStore</name>
    <message>
        <source>There is no message number %1</source>
        <translation>No hay ningún mensaje número %1</translation>
    </message>
</context>
<context>
    <name>corvane::platform::XmlStore</name>
    <message>
        <source>There is no address number %1</source>
        <translation>No existe la dirección número %1</translation>
    </message>
</context>
<context>
    <name>corvane::receiving::DesktopNotifier</name>
    <message>
        <source>Show Inbox</source>
        <translation>Mostrar la bandeja de entrada</translation>
    </message>
</context>
<context>
    <name>corvane::receiving::InboxPane</name>
    <message>
        <source>Reply</source>
        <translation>Responder</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Responder a todos</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Reenviar</translation>
    </message>
    <message>
        <source>Mark as Unread</source>
        <translation>Marcar como no leído</translation>
    </message>
    <message>
        <source>The message you chose is no longer in the InBox: nothing was deleted.</source>
        <translation>El mensaje elegido ya no está en la bandeja de entrada: no se ha eliminado nada.</translation>
    </message>
    <message>
        <source>InBox</source>
        <translation>Bandeja de entrada</translation>
    </message>
    <message>
        <source>Delete Message</source>
        <translation>Eliminar mensaje</translation>
    </message>
    <message>
        <source>Received messages</source>
        <translation>Mensajes recibidos</translation>
    </message>
</context>
<context>
    <name>corvane::receiving::MailCheck</name>
    <message>
        <source>Mail cannot be checked: the name &quot;%1&quot; cannot be part of a file name. Change Your Name in the settings.</source>
        <translation>No se puede comprobar el correo: el nombre «%1» no puede formar parte de un nombre de archivo. Cambie Su nombre en la configuración.</translation>
    </message>
    <message>
        <source>The message file %1 cannot be opened.
%2</source>
        <translation>No se puede abrir el archivo de mensaje %1.
%2</translation>
    </message>
    <message>
        <source>The message file %1 cannot be read.
%2</source>
        <translation>No se puede leer el archivo de mensaje %1.
%2</translation>
    </message>
    <message>
        <source>Checking Messages</source>
        <translation>Comprobando mensajes</translation>
    </message>
    <message>
        <source>%1 is not a message and has been moved aside as %2.</source>
        <translation>%1 no es un mensaje y se ha apartado como %2.</translation>
    </message>
    <message>
        <source>Checking Messages: is %1 still being written?</source>
        <translation>Comprobando mensajes: ¿se sigue escribiendo %1?</translation>
    </message>
</context>
<context>
    <name>corvane::receiving::MailReaderPane</name>
    <message>
        <source>To: </source>
        <translation>Para: </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Fecha: </translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Responder a todos</translation>
    </message>
    <message>
        <source>Reply to the sender and every other recipient</source>
        <translation>Responder al remitente y a todos los demás destinatarios</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exportar como PDF…</translation>
    </message>
    <message>
        <source>Save Attachment As…</source>
        <translation>Guardar adjunto como…</translation>
    </message>
    <message>
        <source>The message is still being read; try again in a moment.</source>
        <translation>El mensaje aún se está leyendo; inténtelo de nuevo en un momento.</translation>
    </message>
    <message>
        <source>From: </source>
        <translation>De: </translation>
    </message>
    <message>
        <source>Subject: </source>
        <translation>Asunto: </translation>
    </message>
    <message>
        <source>Mail Reader</source>
        <translation>Lector de correo</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Responder</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Reenviar</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Adjuntos</translation>
    </message>
    <message>
        <source>Run Selected Atachment</source>
        <translation>Ejecutar el adjunto seleccionado</translation>
    </message>
    <message>
        <source>Open Inbox Folder</source>
        <translation>Abrir la carpeta de entrada</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Attachments: </source>
        <translation>Adjuntos: </translation>
    </message>
</context>
<context>
    <name>corvane::receiving::MediaSoundPlayer</name>
    <message>
        <source>the sound format is not supported</source>
        <translation>el formato de sonido no es compatible</translation>
    </message>
</context>
<context>
    <name>corvane::receiving::NewMailAnnouncer</name>
    <message>
        <source>no sound file is chosen</source>
        <translation>no se ha elegido ningún archivo de sonido</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>%1 new messages</source>
        <translation>%1 mensajes nuevos</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The mail sound &quot;%1&quot; could not be played: %2</source>
        <translation>No se pudo reproducir el sonido de correo «%1»: %2</translation>
    </message>
</context>
<context>
    <name>corvane::sending::AttachDialogue</name>
    <message>
        <source>Attachments</source>
        <translation>Adjuntos</translation>
    </message>
    <message>
        <source>Attached files</source>
        <translation>Archivos adjuntos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Choose files to attach</source>
        <translation>Elegir archivos para adjuntar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove the selected files from the attachments</source>
        <translation>Quitar los archivos seleccionados de los adjuntos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>corvane::sending::ComposeDraft</name>
    <message>
        <source>%1 cannot be attached: %2 is already attached under the same name, and each recipient would receive only one of the two files. Rename one of them, or remove the other from the attachments.</source>
        <translation>%1 no se puede adjuntar: %2 ya está adjunto con el mismo nombre, y cada destinatario recibiría solo uno de los dos archivos. Cambie el nombre de uno de ellos o quite el otro de los adjuntos.</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this message?</source>
        <translation>¿Seguro que desea borrar este mensaje?</translation>
    </message>
    <message>
        <source>Please do not edit this manualy, use the attach button instead</source>
        <translation>No edite esto a mano; use el botón Adjuntar</translation>
    </message>
    <message>
        <source>You can only send files not folders, you tried to send %1</source>
        <translation>Solo puede enviar archivos, no carpetas; intentó enviar %1</translation>
    </message>
</context>
<context>
    <name>corvane::sending::ComposePane</name>
    <message>
        <source>Discard the message you are writing?</source>
        <translation>¿Descartar el mensaje que está escribiendo?</translation>
    </message>
    <message>
        <source>Send the message anyway?</source>
        <translation>¿Enviar el mensaje de todos modos?</translation>
    </message>
    <message>
        <source>Add %1 to your address book now? (No sends the message as it is.)</source>
        <translation>¿Añadir ahora a %1 a su libreta de direcciones? («No» envía el mensaje tal como está.)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Enviar mensaje</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear/New Message</source>
        <translation>Borrar/Nuevo mensaje</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrita</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Cursiva</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Subrayado</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Align &amp;Left</source>
        <translation>Alinear a la &amp;izquierda</translation>
    </message>
    <message>
        <source>Align Left|Aligns text at the left indent</source>
        <translation>Alinear a la izquierda|Alinea el texto en la sangría izquierda</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>C&amp;entrar</translation>
    </message>
    <message>
        <source>Center|Centers text between margins</source>
        <translation>Centrar|Centra el texto entre los márgenes</translation>
    </message>
    <message>
        <source>Align &amp;Right</source>
        <translation>Alinear a la &amp;derecha</translation>
    </message>
    <message>
        <source>Align Right|Aligns text at the right indent</source>
        <translation>Alinear a la derecha|Alinea el texto en la sangría derecha</translation>
    </message>
    <message>
        <source>&amp;Bullets</source>
        <translation>&amp;Viñetas</translation>
    </message>
    <message>
        <source>Bullets|Inserts a bullet on the current line</source>
        <translation>Viñetas|Inserta una viñeta en la línea actual</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>The text of the message</source>
        <translation>El texto del mensaje</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>Spell</source>
        <translation>Ortografía</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Revisión ortográfica</translation>
    </message>
    <message>
        <source>Spell Check|Checks the spelling of the message</source>
        <translation>Revisión ortográfica|Revisa la ortografía del mensaje</translation>
    </message>
    <message>
        <source>Addressing</source>
        <translation>Direcciones</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>A&amp;sunto</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Para</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Para</translation>
    </message>
    <message>
        <source>Select Addresses|Choose the recipients from the address book</source>
        <translation>Seleccionar direcciones|Elegir los destinatarios de la libreta de direcciones</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Destinatarios</translation>
    </message>
    <message>
        <source>&amp;Attach</source>
        <translation>&amp;Adjuntar</translation>
    </message>
    <message>
        <source>Attach</source>
        <translation>Adjuntar</translation>
    </message>
    <message>
        <source>Attachments|Choose the files to send with the message</source>
        <translation>Adjuntos|Elegir los archivos que se envían con el mensaje</translation>
    </message>
    <message>
        <source>Attached files</source>
        <translation>Archivos adjuntos</translation>
    </message>
    <message>
        <source>%1 (mixed)</source>
        <translation>%1 (mixto)</translation>
    </message>
</context>
<context>
    <name>corvane::sending::ComposeSend</name>
    <message>
        <source>it does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>The message was not sent: the attached file %1 cannot be read (%2). Remove it from the attachments or make it readable, then send again.</source>
        <translation>El mensaje no se envió: el archivo adjunto %1 no se puede leer (%2). Quítelo de los adjuntos o hágalo legible y vuelva a enviar.</translation>
    </message>
    <message>
        <source>The message was not sent: %1</source>
        <translation>El mensaje no se envió: %1</translation>
    </message>
    <message>
        <source>Corvane is checking for mail. Press Send again when the check has finished.</source>
        <translation>Corvane está comprobando el correo. Pulse Enviar de nuevo cuando haya terminado la comprobación.</translation>
    </message>
</context>
<context>
    <name>corvane::sending::DeliveryWatch</name>
    <message>
        <source>Waiting: %1</source>
        <translation>En espera: %1</translation>
    </message>
    <message>
        <source>Relayed: %1</source>
        <translation>Vía servidor: %1</translation>
    </message>
    <message>
        <source>Not delivered: %1</source>
        <translation>No entregado: %1</translation>
    </message>
    <message>
        <source>Picked up</source>
        <translation>Recogido</translation>
    </message>
</context>
<context>
    <name>corvane::sending::SendAction</name>
    <message>
        <source>A message is being sent. Wait until it has been sent, then try again.</source>
        <translation>Se está enviando un mensaje. Espere a que se envíe e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The message was not sent: none of the folders could be written. Send it again when the shared folders can be reached.</source>
        <translation>El mensaje no se ha enviado: no se ha podido escribir en ninguna de las carpetas. Envíelo de nuevo cuando las carpetas compartidas sean accesibles.</translation>
    </message>
    <message>
        <source>The message could not be sent: %1. Correct the name in the address book.</source>
        <translation>No se pudo enviar el mensaje: %1. Corrija el nombre en la libreta de direcciones.</translation>
    </message>
    <message>
        <source>The message could not be sent: the attached file &quot;%1&quot; has a name that cannot be used on the shared folders. Rename the file.</source>
        <translation>No se pudo enviar el mensaje: el archivo adjunto «%1» tiene un nombre que no se puede usar en las carpetas compartidas. Cambie el nombre del archivo.</translation>
    </message>
    <message>
        <source>The message could not be sent: the attached file &quot;%1&quot; has the name of a file that Corvane keeps in the shared folders. Rename the file.</source>
        <translation>No se pudo enviar el mensaje: el archivo adjunto «%1» tiene el nombre de un archivo que Corvane guarda en las carpetas compartidas. Cambie el nombre del archivo.</translation>
    </message>
    <message>
        <source>Sending Message</source>
        <translation>Enviando mensaje</translation>
    </message>
    <message>
        <source>Messages Sent</source>
        <translation>Mensajes enviados</translation>
    </message>
    <message>
        <source>The message could not be sent. Check that you have <byte value="xd"/>
selected at least one address. If you frequently receive this message <byte value="xd"/>
you should concider re-configuring your Corvane system</source>
        <translation>No se pudo enviar el mensaje. Compruebe que ha <byte value="xd"/>
seleccionado al menos una dirección. Si recibe este mensaje con frecuencia, <byte value="xd"/>
debería volver a configurar su sistema Corvane</translation>
    </message>
</context>
<context>
    <name>corvane::sending::SentItemsPane</name>
    <message>
        <source>The message you chose is no longer in Sent Items: nothing was deleted.</source>
        <translation>El mensaje elegido ya no está en Elementos enviados: no se ha eliminado nada.</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Eliminar elemento</translation>
    </message>
    <message>
        <source>Sent Items</source>
        <translation>Elementos enviados</translation>
    </message>
    <message>
        <source>Sent messages</source>
        <translation>Mensajes enviados</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this message?</source>
        <translation>¿Seguro que desea eliminar este mensaje?</translation>
    </message>
</context>
<context>
    <name>corvane::sending::SentStore</name>
    <message>
        <source>The outgoing message has no Message element</source>
        <translation>El mensaje saliente no tiene elemento Message</translation>
    </message>
</context>
<context>
    <name>corvane::sending::ToDialogue</name>
    <message>
        <source>Select Addresses</source>
        <translation>Seleccionar direcciones</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Libreta de direcciones</translation>
    </message>
    <message>
        <source>Recipient List</source>
        <translation>Lista de destinatarios</translation>
    </message>
    <message>
        <source>Add -&gt;</source>
        <translation>Añadir -&gt;</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add the selected names to the recipient list</source>
        <translation>Añadir los nombres seleccionados a la lista de destinatarios</translation>
    </message>
    <message>
        <source>&lt;- Remove</source>
        <translation>&lt;- Quitar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove the selected names from the recipient list</source>
        <translation>Quitar los nombres seleccionados de la lista de destinatarios</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>corvane::shell::ComposeParts</name>
    <message>
        <source>Corvane kept a message you were writing when it last ended (subject: &quot;%1&quot;). Do you want to go on writing it?

No discards it.</source>
        <translation>Corvane guardó un mensaje que estaba escribiendo cuando se cerró por última vez (asunto: «%1»). ¿Desea seguir escribiéndolo?

«No» lo descarta.</translation>
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
        <translation>Copias en curso</translation>
    </message>
    <message>
        <source>The attachment copies Corvane waits for before it closes</source>
        <translation>Las copias de adjuntos que Corvane espera antes de cerrarse</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Cerrar de todos modos</translation>
    </message>
    <message>
        <source>Close now; the copies still running are cut off and leave no file behind</source>
        <translation>Cerrar ahora; las copias en curso se interrumpen y no dejan ningún archivo</translation>
    </message>
    <message>
        <source>Keep Open</source>
        <translation>Mantener abierto</translation>
    </message>
    <message>
        <source>Do not close; the copies go on</source>
        <translation>No cerrar; las copias continúan</translation>
    </message>
</context>
<context>
    <name>corvane::shell::GridSetup</name>
    <message>
        <source>Delivery</source>
        <translation>Entrega</translation>
    </message>
    <message>
        <source>Address No.</source>
        <translation>N.º dirección</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Bandeja de entrada</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Msg No.</source>
        <translation>N.º msj.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Adjuntos</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leído</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Para</translation>
    </message>
</context>
<context>
    <name>corvane::shell::HelpWindow</name>
    <message>
        <source>Corvane Help</source>
        <translation>Ayuda de Corvane</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Goes back to the place shown before (Alt+Left)</source>
        <translation>Vuelve al lugar mostrado antes (Alt+Izquierda)</translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation>Atrás (Alt+Izquierda)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Goes forward again to the place left by Back (Alt+Right)</source>
        <translation>Vuelve a avanzar al lugar que se dejó con Atrás (Alt+Derecha)</translation>
    </message>
    <message>
        <source>Forward (Alt+Right)</source>
        <translation>Adelante (Alt+Derecha)</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Text to find in the help; Enter finds the next place (Ctrl+F)</source>
        <translation>Texto que buscar en la ayuda; Intro busca el lugar siguiente (Ctrl+F)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Finds the text before the current place (Shift+F3)</source>
        <translation>Busca el texto antes del lugar actual (Mayús+F3)</translation>
    </message>
    <message>
        <source>Find Previous (Shift+F3)</source>
        <translation>Buscar anterior (Mayús+F3)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Finds the text after the current place (F3)</source>
        <translation>Busca el texto después del lugar actual (F3)</translation>
    </message>
    <message>
        <source>Find Next (F3)</source>
        <translation>Buscar siguiente (F3)</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>Resultado de la búsqueda</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>The Corvane help; links open their topic here</source>
        <translation>La ayuda de Corvane; los enlaces abren su tema aquí</translation>
    </message>
    <message>
        <source>The help file %1 is missing. Install Corvane again to restore it.</source>
        <translation>Falta el archivo de ayuda %1. Vuelva a instalar Corvane para restaurarlo.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
</context>
<context>
    <name>corvane::shell::MailCheckController</name>
    <message>
        <source>Corvane is checking for mail. Try again when the check has finished.</source>
        <translation>Corvane está comprobando el correo. Inténtelo de nuevo cuando termine la comprobación.</translation>
    </message>
    <message>
        <source>Checking Messages</source>
        <translation>Comprobando mensajes</translation>
    </message>
</context>
<context>
    <name>corvane::shell::MainSettingsPage</name>
    <message>
        <source>Minutes between automatic mail checks</source>
        <translation>Minutos entre comprobaciones automáticas del correo</translation>
    </message>
    <message>
        <source>Inbox Datafile Folder</source>
        <translation>Carpeta del archivo de entrada</translation>
    </message>
    <message>
        <source>Address List Folder</source>
        <translation>Carpeta de la lista de direcciones</translation>
    </message>
    <message>
        <source>Sent Items Folder</source>
        <translation>Carpeta de elementos enviados</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Your Inbox</source>
        <translation>Su bandeja de entrada</translation>
    </message>
    <message>
        <source>Use as server</source>
        <translation>Usar como servidor</translation>
    </message>
    <message>
        <source>Auto Check Mail Every</source>
        <translation>Comprobar el correo automáticamente cada</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Start Page</source>
        <translation>Página de inicio</translation>
    </message>
    <message>
        <source>Pick one</source>
        <translation>Elija una</translation>
    </message>
    <message>
        <source>Show pop up message for new mail</source>
        <translation>Mostrar un aviso emergente para el correo nuevo</translation>
    </message>
    <message>
        <source>Desktop notification for new mail</source>
        <translation>Notificación de escritorio para el correo nuevo</translation>
    </message>
    <message>
        <source>Also tell the desktop about new mail while the window is out of view</source>
        <translation>Avisar también al escritorio del correo nuevo mientras la ventana no esté a la vista</translation>
    </message>
    <message>
        <source>Mail Sound</source>
        <translation>Sonido de correo</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <source>Default Beep</source>
        <translation>Pitido predeterminado</translation>
    </message>
    <message>
        <source>Custom Sound</source>
        <translation>Sonido personalizado</translation>
    </message>
</context>
<context>
    <name>corvane::shell::MainWindow</name>
    <message>
        <source>New Message</source>
        <translation>Mensaje nuevo</translation>
    </message>
    <message>
        <source>Saved &quot;%1&quot;</source>
        <translation>Guardado «%1»</translation>
    </message>
    <message>
        <source>Corvane will close when the message has been sent.</source>
        <translation>Corvane se cerrará cuando se haya enviado el mensaje.</translation>
    </message>
    <message>
        <source>Corvane will close when the mail check has ended.</source>
        <translation>Corvane se cerrará cuando termine la comprobación del correo.</translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>Check Mail</source>
        <translation>Comprobar correo</translation>
    </message>
    <message>
        <source>Check for New Mail</source>
        <translation>Buscar correo nuevo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Show Help</source>
        <translation>Mostrar la ayuda</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Barra principal</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
</context>
<context>
    <name>corvane::shell::Navigation</name>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>InBox</source>
        <translation>Bandeja de entrada</translation>
    </message>
    <message>
        <source>Mail Reader</source>
        <translation>Lector de correo</translation>
    </message>
    <message>
        <source>Sent Items</source>
        <translation>Elementos enviados</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Libreta de direcciones</translation>
    </message>
    <message>
        <source>Address Edit</source>
        <translation>Editar dirección</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Address List</source>
        <translation>Lista de direcciones</translation>
    </message>
</context>
<context>
    <name>corvane::shell::NavigationBar</name>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>InBox</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Mail Reader</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Sent Items</source>
        <translation>Enviados</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Direcciones</translation>
    </message>
    <message>
        <source>Edit Address</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
</context>
<context>
    <name>corvane::shell::SettingsPane</name>
    <message>
        <source>Settings pages</source>
        <translation>Páginas de configuración</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>Configuración guardada.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Ortografía</translation>
    </message>
</context>
<context>
    <name>corvane::shell::SpellSettingsPage</name>
    <message>
        <source>Main Dictionary</source>
        <translation>Diccionario principal</translation>
    </message>
    <message>
        <source>Custom Dictionary</source>
        <translation>Diccionario personal</translation>
    </message>
    <message>
        <source>Limit Sugestions to</source>
        <translation>Limitar las sugerencias a</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Revisar la ortografía mientras escribe</translation>
    </message>
    <message>
        <source>Underline unknown words in red while you write a message</source>
        <translation>Subrayar en rojo las palabras desconocidas mientras escribe un mensaje</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
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
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>corvane::sortgrid::StringGridModel</name>
    <message>
        <source>Grid index out of range</source>
        <translation>Índice de tabla fuera de rango</translation>
    </message>
</context>
<context>
    <name>corvane::spell::Dictionary</name>
    <message>
        <source>The dictionary %1 is larger than 64 MB; it is not read.</source>
        <translation>El diccionario %1 ocupa más de 64 MB; no se lee.</translation>
    </message>
    <message>
        <source>The dictionary %1 is not a word list: it holds binary data.</source>
        <translation>El diccionario %1 no es una lista de palabras: contiene datos binarios.</translation>
    </message>
    <message>
        <source>Dictionary Not Found</source>
        <translation>Diccionario no encontrado</translation>
    </message>
    <message>
        <source>Custom dictionary has not been specified</source>
        <translation>No se ha indicado ningún diccionario personal</translation>
    </message>
</context>
<context>
    <name>corvane::spell::SpellCheckDialog</name>
    <message>
        <source>Spell Check</source>
        <translation>Revisión ortográfica</translation>
    </message>
    <message>
        <source>Original Word</source>
        <translation>Palabra original</translation>
    </message>
    <message>
        <source>The word the dictionaries do not know</source>
        <translation>La palabra que los diccionarios no conocen</translation>
    </message>
    <message>
        <source>Change To</source>
        <translation>Cambiar por</translation>
    </message>
    <message>
        <source>The text Change puts in the word&apos;s place</source>
        <translation>El texto que «Cambiar» pone en lugar de la palabra</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Sugerencias</translation>
    </message>
    <message>
        <source>Dictionary words that sound alike; click one to change to it</source>
        <translation>Palabras del diccionario que suenan parecido; haga clic en una para cambiar a ella</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Leave this word as it is</source>
        <translation>Dejar esta palabra como está</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation>Omitir todas</translation>
    </message>
    <message>
        <source>Leave this word as it is wherever it occurs until Corvane is closed</source>
        <translation>Dejar esta palabra como está allí donde aparezca hasta que se cierre Corvane</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Replace the word with Change To</source>
        <translation>Sustituir la palabra por el texto de «Cambiar por»</translation>
    </message>
    <message>
        <source>Change All</source>
        <translation>Cambiar todas</translation>
    </message>
    <message>
        <source>Replace the word with Change To here and wherever it occurs again in this check</source>
        <translation>Sustituir la palabra por el texto de «Cambiar por» aquí y allí donde vuelva a aparecer en esta revisión</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add the word to the custom dictionary and leave it as it is</source>
        <translation>Añadir la palabra al diccionario personal y dejarla como está</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Stop the spell check</source>
        <translation>Detener la revisión ortográfica</translation>
    </message>
    <message>
        <source>{No Sugestions}</source>
        <translation>{Sin sugerencias}</translation>
    </message>
</context>
<context>
    <name>corvane::spell::SpellChecker</name>
    <message>
        <source>A spell check is already running.</source>
        <translation>Ya hay una revisión ortográfica en curso.</translation>
    </message>
</context>
<context>
    <name>corvane::spell::SpellHighlighter</name>
    <message>
        <source>(no suggestions)</source>
        <translation>(sin sugerencias)</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation>Omitir todas</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Añadir al diccionario</translation>
    </message>
</context>
<context>
    <name>corvane::spell::SpellRun</name>
    <message>
        <source>The message is being checked for spelling. Finish or close the spell check first.</source>
        <translation>Se está revisando la ortografía del mensaje. Termine o cierre primero la revisión ortográfica.</translation>
    </message>
    <message>
        <source>The message was changed while it was being checked, so the spell check stopped there. Press the spell button again to check the rest.</source>
        <translation>El mensaje se modificó mientras se revisaba, así que la revisión ortográfica se detuvo ahí. Pulse de nuevo el botón de ortografía para revisar el resto.</translation>
    </message>
</context>
<context>
    <name>corvane::ui::FindField</name>
    <message>
        <source>Show only the messages whose sender or recipients, subject, attachments or text hold every word typed here (Ctrl+F); Esc shows all again</source>
        <translation>Mostrar solo los mensajes cuyo remitente o destinatarios, asunto, adjuntos o texto contengan todas las palabras escritas aquí (Ctrl+F); Esc vuelve a mostrarlos todos</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Buscar (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
</context>
<context>
    <name>corvane::ui::ListPane</name>
    <message>
        <source>Reading the message texts for Find: %1%</source>
        <translation>Leyendo los textos de los mensajes para la búsqueda: %1 %</translation>
    </message>
    <message>
        <source>Are you sure you want to delete these %1 messages?</source>
        <translation>¿Seguro que desea eliminar estos %1 mensajes?</translation>
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
        <translation>Corvane, un cliente de correo para una red sin servidor de correo.

La configuración está en main.ini, en la carpeta de perfil. Sin --profile es la
carpeta del programa si contiene main.ini, o si es una copia portable en la que
puede escribir; si no (un paquete instalado) $XDG_CONFIG_HOME/corvane, por
defecto ~/.config/corvane. Una carpeta de perfil en la que no puede escribir cede
su lugar a ~/.config/corvane, que empieza con una copia de su main.ini.</translation>
    </message>
    <message>
        <source>Open the profile in DIR (its main.ini and stores).</source>
        <translation>Abrir el perfil en DIR (su main.ini y sus almacenes).</translation>
    </message>
</context>
</TS>

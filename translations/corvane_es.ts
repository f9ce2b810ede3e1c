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
    <name>FolderBrowser</name>
    <message>
        <source>Select Directory</source>
        <translation>Seleccionar carpeta</translation>
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
    <name>corvane::platform::XmlStore</name>
    <message>
        <source>There is no address number %1</source>
        <translation>No existe la dirección número %1</translation>
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
</context>
<context>
    <name>corvane::sending::SentItemsPane</name>
    <message>
        <source>The message you chose is no longer in Sent Items: nothing was deleted.</source>
        <translation>El mensaje elegido ya no está en Elementos enviados: no se ha eliminado nada.</translation>
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
</TS>

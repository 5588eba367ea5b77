<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Main</name>
    <message>
        <source>GroupFileTypeTitle</source>
        <translation>ARCHIVOS</translation>
    </message>
    <message>
        <source>group_AllFiles</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>group_SECURENOTES</source>
        <translation>NOTAS SEGURAS</translation>
    </message>
    <message>
        <source>group_Allnotes</source>
        <translation>Todas las notas</translation>
    </message>
    <message>
        <source>monthiItem1.stringValue</source>
        <translation>Enero</translation>
    </message>
    <message>
        <source>monthiItem2.stringValue</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>monthiItem3.stringValue</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>monthiItem4.stringValue</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>monthiItem5.stringValue</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>monthiItem6.stringValue</source>
        <translation>Junio</translation>
    </message>
    <message>
        <source>monthiItem7.stringValue</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>monthiItem8.stringValue</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>monthiItem9.stringValue</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>monthiItem10.stringValue</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>monthiItem11.stringValue</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>monthiItem12.stringValue</source>
        <translation>Diciembre</translation>
    </message>
    <message>
        <source>weekItem1.stringValue</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>weekItem2.stringValue</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>weekItem3.stringValue</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>weekItem4.stringValue</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>weekItem5.stringValue</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>weekItem6.stringValue</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>weekItem7.stringValue</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>listUnreadable.title</source>
        <translation>No se pudo leer la lista de la caja fuerte</translation>
    </message>
    <message>
        <source>listUnreadable.message</source>
        <translation>Vexo guardó la lista ilegible a su lado, con «unreadable» en el nombre, y empezó una nueva. Tus elementos ocultos siguen guardados en la carpeta de la caja fuerte:</translation>
    </message>
    <message>
        <source>okBtn.Title</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>encrypted.stringvalue</source>
        <translation>oculto</translation>
    </message>
    <message>
        <source>process.text</source>
        <translation>Procesando…</translation>
    </message>
    <message>
        <source>ProgressState</source>
        <translation>Quedan unos %1 s</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>hideFailed.title</source>
        <translation>No se pudo ocultar el elemento. Sigue visible en su ubicación y no se eliminó nada.</translation>
    </message>
    <message>
        <source>unhideFailed.title</source>
        <translation>No se pudo restaurar el elemento. Sigue oculto en la caja fuerte; no se perdió nada.</translation>
    </message>
    <message>
        <source>error_md5_message</source>
        <translation>El elemento restaurado no coincide con el que se ocultó, así que sigue marcado como oculto y se conserva su copia guardada. Resumen de lo restaurado</translation>
    </message>
    <message>
        <source>wenxintishi</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>fileRemovedMessage</source>
        <translation>Este elemento ya no está en su ubicación, o su unidad ya no está conectada.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>needTotalSize.Title</source>
        <translation>No hay suficiente espacio libre en la unidad: se necesitan %1 MB.</translation>
    </message>
    <message>
        <source>passordMessage</source>
        <translation>La caja fuerte de esta unidad tiene su propia contraseña. Introdúcela para abrir la caja fuerte.</translation>
    </message>
    <message>
        <source>addFristBtn.string</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>addSecondBtn.string</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>clickPassword</source>
        <translation>Contraseña de la caja fuerte</translation>
    </message>
    <message>
        <source>passworderror</source>
        <translation>La contraseña no es correcta.</translation>
    </message>
    <message>
        <source>group_Item4</source>
        <translation>Nuevo grupo</translation>
    </message>
    <message>
        <source>VAULTName.string</source>
        <translation>CAJA FUERTE %1</translation>
    </message>
    <message>
        <source>removeitemformlistmessage.text</source>
        <translation>¿Quitar este elemento de la lista?</translation>
    </message>
    <message>
        <source>removeitemformlistinfomation.text</source>
        <translation>El elemento está oculto. Primero se muestra y se devuelve a su ubicación; después sale de la lista. El archivo en sí se conserva.</translation>
    </message>
    <message>
        <source>PasswordSucOk.StringValue</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel.StringValue</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>addRefused.title</source>
        <translation>Algunos elementos no se añadieron</translation>
    </message>
    <message>
        <source>moreFailures.text</source>
        <translation>…y %1 más</translation>
    </message>
    <message>
        <source>CreateFolderErrorTitle</source>
        <translation>No se puede usar la carpeta de la caja fuerte</translation>
    </message>
    <message>
        <source>CreateFolderErrorMessage</source>
        <translation>La carpeta de la caja fuerte no existe o está en una unidad con un sistema de archivos en el que Vexo no puede escribir (NTFS).</translation>
    </message>
    <message>
        <source>NTFErrorTitle</source>
        <translation>No se admiten unidades NTFS</translation>
    </message>
    <message>
        <source>NTFErrorMessage</source>
        <translation>Vexo no puede guardar una caja fuerte en una unidad NTFS. Usa una unidad formateada en exFAT, FAT32 o con un sistema de archivos de Linux.</translation>
    </message>
    <message>
        <source>addMessage.string</source>
        <translation>La unidad «%1» aún no tiene caja fuerte. ¿Crear una para ocultar estos elementos en la unidad?</translation>
    </message>
    <message>
        <source>addMessage1.string</source>
        <translation>La unidad «%1» ya tiene una carpeta de caja fuerte que no está abierta. ¿Crear una caja fuerte nueva o seleccionar una existente?</translation>
    </message>
    <message>
        <source>addInfomation.string</source>
        <translation>Los elementos de una unidad extraíble se guardan en una caja fuerte de esa misma unidad, para que la unidad pueda pasar de un ordenador a otro.</translation>
    </message>
    <message>
        <source>Newlybuild.string</source>
        <translation>Crear nueva</translation>
    </message>
    <message>
        <source>Selectexisting.string</source>
        <translation>Seleccionar existente</translation>
    </message>
    <message>
        <source>selectsecurityMessage</source>
        <translation>Selecciona la carpeta de la caja fuerte (.vlt) en la unidad</translation>
    </message>
    <message>
        <source>createFolderMessage</source>
        <translation>Ponle nombre a la nueva caja fuerte</translation>
    </message>
    <message>
        <source>clickvaultName</source>
        <translation>Nombre de la caja fuerte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>vaultInUse.title</source>
        <translation>La caja fuerte está abierta en otro programa</translation>
    </message>
    <message>
        <source>vaultInUse.message</source>
        <translation>Vexo o vexo-cli ya tiene abierta esta caja fuerte. Ciérrala primero allí y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>cli.alreadyHidden</source>
        <translation>%1 ya está oculto.</translation>
    </message>
    <message>
        <source>cli.alreadyVisible</source>
        <translation>%1 ya está visible.</translation>
    </message>
    <message>
        <source>cli.alreadyInVault</source>
        <translation>%1: ya está en la caja fuerte; se omite.</translation>
    </message>
    <message>
        <source>cli.alreadySetUp</source>
        <translation>Ya hay una caja fuerte configurada, en %1. Usa vexo-cli passwd para cambiar su contraseña.</translation>
    </message>
    <message>
        <source>cli.answeredNo</source>
        <translation>No hay terminal para responder: se toma «%1».</translation>
    </message>
    <message>
        <source>cli.askHint</source>
        <translation>Pista de la contraseña:</translation>
    </message>
    <message>
        <source>cli.askNewPassword</source>
        <translation>Nueva contraseña maestra:</translation>
    </message>
    <message>
        <source>cli.askOldPassword</source>
        <translation>Contraseña maestra actual:</translation>
    </message>
    <message>
        <source>cli.askPassword</source>
        <translation>Contraseña maestra:</translation>
    </message>
    <message>
        <source>cli.askRepeatPassword</source>
        <translation>Repite la nueva contraseña:</translation>
    </message>
    <message>
        <source>cli.badNumber</source>
        <translation>«%1» no es un número a partir de 1.</translation>
    </message>
    <message>
        <source>cli.cancelled</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>cli.chooseNumber</source>
        <translation>Elige de 1 a %1:</translation>
    </message>
    <message>
        <source>cli.driveVaultOpened</source>
        <translation>Se abrió la caja fuerte de la unidad %1.</translation>
    </message>
    <message>
        <source>cli.emptyGroupName</source>
        <translation>Un grupo necesita un nombre.</translation>
    </message>
    <message>
        <source>cli.emptyHint</source>
        <translation>Se necesita una pista de contraseña; no se cambió nada.</translation>
    </message>
    <message>
        <source>cli.emptyPassword</source>
        <translation>La contraseña no puede estar vacía; no se cambió nada.</translation>
    </message>
    <message>
        <source>cli.extraArgument</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>cli.groupCreated</source>
        <translation>Se creó el grupo %1, «%2».</translation>
    </message>
    <message>
        <source>cli.groupFixed</source>
        <translation>El grupo %1 es un grupo «todos»: no se puede renombrar ni eliminar.</translation>
    </message>
    <message>
        <source>cli.hidden</source>
        <translation>Ocultado: %1</translation>
    </message>
    <message>
        <source>cli.missingArgument</source>
        <translation>Falta un argumento.</translation>
    </message>
    <message>
        <source>cli.noCommand</source>
        <translation>No se indicó ningún comando.</translation>
    </message>
    <message>
        <source>cli.noItems</source>
        <translation>No hay elementos.</translation>
    </message>
    <message>
        <source>cli.noSuchGroup</source>
        <translation>No existe el grupo %1; consulta vexo-cli groups.</translation>
    </message>
    <message>
        <source>cli.noSuchItem</source>
        <translation>%1: no existe ese elemento en la caja fuerte; consulta vexo-cli list.</translation>
    </message>
    <message>
        <source>cli.noTerminal</source>
        <translation>No hay terminal para pedir la contraseña; indícala por la entrada estándar con --password-stdin.</translation>
    </message>
    <message>
        <source>cli.noVault</source>
        <translation>Este usuario aún no tiene ninguna caja fuerte configurada. Crea una con: vexo-cli init DIR</translation>
    </message>
    <message>
        <source>cli.notHidden</source>
        <translation>No ocultado: %1</translation>
    </message>
    <message>
        <source>cli.notRemoved</source>
        <translation>No quitado: %1</translation>
    </message>
    <message>
        <source>cli.noteGroup</source>
        <translation>El grupo %1 contiene notas seguras, no archivos.</translation>
    </message>
    <message>
        <source>cli.optionNeedsValue</source>
        <translation>La opción %1 necesita un valor.</translation>
    </message>
    <message>
        <source>cli.passwordChanged</source>
        <translation>Contraseña cambiada.</translation>
    </message>
    <message>
        <source>cli.passwordsDiffer</source>
        <translation>Las dos contraseñas no coinciden; no se cambió nada.</translation>
    </message>
    <message>
        <source>cli.progressBytes</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>cli.progressLeft</source>
        <translation>quedan %1 s</translation>
    </message>
    <message>
        <source>cli.progressRate</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>cli.removed</source>
        <translation>Quitado: %1</translation>
    </message>
    <message>
        <source>cli.sectionDrive</source>
        <translation>Caja fuerte de la unidad %1</translation>
    </message>
    <message>
        <source>cli.sectionLocal</source>
        <translation>Caja fuerte de este ordenador</translation>
    </message>
    <message>
        <source>cli.sectionNotes</source>
        <translation>Notas seguras</translation>
    </message>
    <message>
        <source>cli.seeHelp</source>
        <translation>Consulta %1.</translation>
    </message>
    <message>
        <source>cli.stateHidden</source>
        <translation>oculto</translation>
    </message>
    <message>
        <source>cli.stateVisible</source>
        <translation>visible</translation>
    </message>
    <message>
        <source>cli.statusDriveVault</source>
        <translation>Caja fuerte de la unidad %1: %2 elementos, %3 ocultos</translation>
    </message>
    <message>
        <source>cli.statusItems</source>
        <translation>Elementos: %1 (%2 ocultos, %3 visibles)</translation>
    </message>
    <message>
        <source>cli.statusNotOpenElsewhere</source>
        <translation>Abierta en otro programa: no</translation>
    </message>
    <message>
        <source>cli.statusOpenElsewhere</source>
        <translation>Abierta en otro programa: sí</translation>
    </message>
    <message>
        <source>cli.statusVault</source>
        <translation>Caja fuerte: %1</translation>
    </message>
    <message>
        <source>cli.storeDamaged</source>
        <translation>dañado: %1: %2</translation>
    </message>
    <message>
        <source>cli.storeMissing</source>
        <translation>falta: %1</translation>
    </message>
    <message>
        <source>cli.unhidden</source>
        <translation>Mostrado: %1</translation>
    </message>
    <message>
        <source>cli.unknownCommand</source>
        <translation>Comando desconocido «%1».</translation>
    </message>
    <message>
        <source>cli.unknownGroupAction</source>
        <translation>Acción de grupo desconocida «%1»: usa add, rename o delete.</translation>
    </message>
    <message>
        <source>cli.unknownOption</source>
        <translation>Opción desconocida %1.</translation>
    </message>
    <message>
        <source>cli.unknownSort</source>
        <translation>Orden desconocido «%1»: usa added, name, path, size, state o created.</translation>
    </message>
    <message>
        <source>cli.vaultCreated</source>
        <translation>Caja fuerte creada en %1</translation>
    </message>
    <message>
        <source>cli.verified</source>
        <translation>%1 elementos ocultos comprobados, %2 con problemas.</translation>
    </message>
    <message>
        <source>cli.wrongPassword</source>
        <translation>Contraseña incorrecta.</translation>
    </message>
    <message>
        <source>passwordFaileMessage.StringValue</source>
        <translation>La contraseña actual no es correcta.</translation>
    </message>
    <message>
        <source>passwordSucMessage.StringValue</source>
        <translation>Se guardó la nueva contraseña, pero es débil.</translation>
    </message>
    <message>
        <source>passwordSucInfomation.StringValue</source>
        <translation>Una contraseña más larga que combine letras, números y otros caracteres es mucho más difícil de adivinar.</translation>
    </message>
    <message>
        <source>cli.help</source>
        <translation>Uso: vexo-cli [--password-stdin] COMMAND [ARGS]

Trabaja con la misma caja fuerte que la aplicación de escritorio Vexo.

Comandos:
  init DIR [--hint TEXT]   crea la carpeta de la caja fuerte y define la contraseña maestra
  status [--json]          la caja fuerte, sus elementos y si otro programa la tiene abierta
  groups [--json]          cada grupo con su número y su cantidad de elementos
  group add NAME | group rename N NAME | group delete N
  list [--group N] [--sort added|name|path|size|state|created] [--desc]
       [--search TEXT] [--json]
  add [--group N] [--vault-name NAME] PATH...   añade archivos y carpetas y los oculta
  hide ITEM... | unhide ITEM...                  ITEM: un número de list, o una ruta
  remove ITEM... [--yes]   quita elementos de la lista (uno oculto se muestra antes)
  verify [ITEM...] [--json]   comprueba las copias guardadas de los ocultos, sin escribir
  passwd                   cambia la contraseña maestra

Opciones:
  --password-stdin   lee la contraseña, y cada respuesta posterior, una línea cada una,
                     de la entrada estándar en lugar del terminal
  --help             este texto; COMMAND --help para el de cada comando

Estado de salida: 0 hecho, 1 falló una operación, 2 uso incorrecto,
3 contraseña incorrecta, 4 la caja fuerte está abierta en otro programa.</translation>
    </message>
    <message>
        <source>cli.help.init</source>
        <translation>Uso: vexo-cli init DIR [--hint TEXT]

Crea la carpeta de la caja fuerte DIR (se añade «.vlt» si el nombre no lo lleva; una
carpeta existente se usa tal cual) y define la contraseña maestra, que se pide dos veces.
--hint guarda una pista de la contraseña. Se rechaza si ya hay una caja fuerte configurada.</translation>
    </message>
    <message>
        <source>cli.help.status</source>
        <translation>Uso: vexo-cli status [--json]

Muestra la carpeta de la caja fuerte, cuántos elementos contiene, ocultos y visibles,
las cajas fuertes de unidad abiertas y si otro programa (la aplicación de escritorio u
otro vexo-cli) tiene abierta la caja fuerte. Funciona también en ese caso.</translation>
    </message>
    <message>
        <source>cli.help.groups</source>
        <translation>Uso: vexo-cli groups [--json]

Lista todos los grupos: los de la caja fuerte, los de cada caja fuerte de unidad abierta y
los de las notas seguras. Usa los números con list --group, add --group y group.</translation>
    </message>
    <message>
        <source>cli.help.group</source>
        <translation>Uso: vexo-cli group add NAME
     vexo-cli group rename N NAME
     vexo-cli group delete N

Añade un grupo a la caja fuerte, cambia el nombre del grupo N o lo elimina. Los elementos de un
grupo eliminado pasan a «Todos los archivos». Los grupos «todos» no se pueden cambiar.</translation>
    </message>
    <message>
        <source>cli.help.list</source>
        <translation>Uso: vexo-cli list [--group N] [--sort KEY] [--desc] [--search TEXT] [--json]

Lista los elementos de cada caja fuerte abierta, o los que muestra el grupo N. KEY es added
(el predeterminado), name, path, size, state o created; --desc invierte el
orden. --search conserva los elementos cuyo nombre contiene TEXT, sin distinguir mayúsculas.
Los números no cambian sea cual sea el orden: hide, unhide, remove y
verify los aceptan.</translation>
    </message>
    <message>
        <source>cli.help.add</source>
        <translation>Uso: vexo-cli add [--group N] [--vault-name NAME] PATH...

Añade archivos y carpetas a la caja fuerte y los oculta. Los elementos de una unidad
extraíble van a la caja fuerte de esa unidad; si no tiene ninguna abierta, se crea una
nueva, llamada NAME (o según respondas; «Vault.vlt» si no das ningún nombre).
Añadir una carpeta de caja fuerte de una unidad (una carpeta «.vlt») la abre.
--group N coloca los elementos nuevos en el grupo N.</translation>
    </message>
    <message>
        <source>cli.help.hide</source>
        <translation>Uso: vexo-cli hide ITEM...

Oculta los elementos: cada uno se guarda en la caja fuerte y se quita de su ubicación.
ITEM es un número de vexo-cli list o la ruta del elemento (escribe ./NAME para un
archivo cuyo nombre sea un número). Ctrl-C cancela el elemento que se está ocultando,
que se queda como estaba, y se detiene.</translation>
    </message>
    <message>
        <source>cli.help.unhide</source>
        <translation>Uso: vexo-cli unhide ITEM...

Devuelve los elementos a su ubicación y comprueba que han vuelto
sin cambios. ITEM es un número de vexo-cli list o la ruta del elemento. Ctrl-C
cancela el elemento que se está restaurando, que sigue oculto, y se detiene.</translation>
    </message>
    <message>
        <source>cli.help.remove</source>
        <translation>Uso: vexo-cli remove ITEM... [--yes]

Quita los elementos de la lista de la caja fuerte. Un elemento oculto se muestra primero,
cuando lo confirmas; --yes confirma por ti (necesario sin terminal).</translation>
    </message>
    <message>
        <source>cli.help.verify</source>
        <translation>Uso: vexo-cli verify [ITEM...] [--json]

Comprueba que la copia guardada de cada elemento oculto (o de los elementos indicados) está
completa y se lee tal como se ocultó. No escribe nada. Estado de salida 1 si
falta una copia o está dañada.</translation>
    </message>
    <message>
        <source>cli.help.passwd</source>
        <translation>Uso: vexo-cli passwd

Cambia la contraseña maestra: pide la actual, la nueva dos veces
y una pista. Los elementos ocultados antes siguen funcionando con la nueva contraseña.</translation>
    </message>
    <message>
        <source>oneTitle.stringValue</source>
        <translation>Te damos la bienvenida a Vexo</translation>
    </message>
    <message>
        <source>oneDesc1Label.stringValue</source>
        <translation>Guarda tus archivos y carpetas privados en un único lugar seguro.</translation>
    </message>
    <message>
        <source>oneDesc2Label.stringValue</source>
        <translation>Los elementos ocultos se guardan cifrados dentro de tu caja fuerte.</translation>
    </message>
    <message>
        <source>twoTitle.stringValue</source>
        <translation>Reúne tus archivos</translation>
    </message>
    <message>
        <source>twoDesc1Label.stringValue</source>
        <translation>Arrastra archivos y carpetas a la ventana, o añádelos con el botón +.</translation>
    </message>
    <message>
        <source>twoDesc2Label.stringValue</source>
        <translation>Organízalos en tus propios grupos.</translation>
    </message>
    <message>
        <source>twoDesc3Label.stringValue</source>
        <translation>Los elementos se quedan donde están hasta que los ocultes.</translation>
    </message>
    <message>
        <source>twoDesc4Label.stringValue</source>
        <translation>Los archivos de una unidad extraíble se quedan en esa unidad.</translation>
    </message>
    <message>
        <source>twoDesc5Label.stringValue</source>
        <translation>Busca y ordena para encontrar cualquier elemento rápidamente.</translation>
    </message>
    <message>
        <source>threTitle.stringValue</source>
        <translation>Oculta con un solo interruptor</translation>
    </message>
    <message>
        <source>threDesc1Label.stringValue</source>
        <translation>Cambia un elemento a oculto y desaparecerá de su carpeta.</translation>
    </message>
    <message>
        <source>threDesc2Label.stringValue</source>
        <translation>Vuelve a cambiarlo y regresará exactamente como estaba.</translation>
    </message>
    <message>
        <source>sixTitleLabel.stringValue</source>
        <translation>Notas seguras</translation>
    </message>
    <message>
        <source>sixDescLabel.stringValue</source>
        <translation>Escribe notas que solo tú puedes leer.</translation>
    </message>
    <message>
        <source>sixDesc2Label.stringValue</source>
        <translation>Se guardan en la caja fuerte junto con tus archivos.</translation>
    </message>
    <message>
        <source>fiveTitleLabel.stringValue</source>
        <translation>Crea tu caja fuerte</translation>
    </message>
    <message>
        <source>fiveDesc1Label.stringValue</source>
        <translation>Elige una contraseña maestra. La necesitarás cada vez que abras Vexo.</translation>
    </message>
    <message>
        <source>fiveDesc2Label.stringValue</source>
        <translation>No hay forma de recuperar una contraseña olvidada.</translation>
    </message>
    <message>
        <source>fiveDesc3Label.stringValue</source>
        <translation>Una pista te ayuda a recordarla.</translation>
    </message>
    <message>
        <source>password_TextField.placeholderString</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>sourepassword_TextField.placeholderString</source>
        <translation>Confirmar contraseña</translation>
    </message>
    <message>
        <source>passwordhint.placeholderString</source>
        <translation>Pista de la contraseña</translation>
    </message>
    <message>
        <source>remmenberBtn.title</source>
        <translation>Recordar contraseña</translation>
    </message>
    <message>
        <source>Next.text</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>createVaultBtn.title</source>
        <translation>Crear caja fuerte</translation>
    </message>
    <message>
        <source>closeBtn.title</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>SavePanel.message</source>
        <translation>Elige dónde se crea la carpeta de tu caja fuerte.</translation>
    </message>
    <message>
        <source>AppName.text</source>
        <translation>Vexo</translation>
    </message>
    <message>
        <source>passwordTextField.placeholderString</source>
        <translation>Introduce la contraseña</translation>
    </message>
    <message>
        <source>passwordtishiLabelstringValue</source>
        <translation>Introduce tu contraseña maestra para desbloquear la caja fuerte.</translation>
    </message>
    <message>
        <source>passwordhint1.placeholderString</source>
        <translation>¿Has olvidado tu contraseña?</translation>
    </message>
    <message>
        <source>passwordkeyphale</source>
        <translation>La contraseña no se puede recuperar. Comprueba la distribución del teclado y el Bloq Mayús, y vuelve a intentarlo con cuidado.</translation>
    </message>
    <message>
        <source>chooser.allFiles</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>languageIcon</source>
        <translation>es</translation>
    </message>
    <message>
        <source>cli.vaultMissing</source>
        <translation>La carpeta de la caja fuerte %1 no está. ¿Está conectada su unidad o se movió la carpeta? No se cambió nada.</translation>
    </message>
    <message>
        <source>cli.noPassword</source>
        <translation>No se indicó ninguna contraseña.</translation>
    </message>
    <message>
        <source>cli.driveVaultNotOpened</source>
        <translation>%1 no se abrió como caja fuerte de unidad.</translation>
    </message>
    <message>
        <source>cli.noteGroupKept</source>
        <translation>El grupo %1 contiene notas seguras: elimínalo en la aplicación de escritorio, donde se muestran sus notas.</translation>
    </message>
    <message>
        <source>ProMenuItem1.title</source>
        <translation>Acerca de Vexo</translation>
    </message>
    <message>
        <source>ProMenuItem3.title</source>
        <translation>Salir de Vexo</translation>
    </message>
    <message>
        <source>LanguageBtnTitle</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>FilemenuItem.title</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>FilemenuItem1.title</source>
        <translation>Añadir archivos…</translation>
    </message>
    <message>
        <source>FilemenuItem2.title</source>
        <translation>Nueva nota</translation>
    </message>
    <message>
        <source>FilemenuItem3.title</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>FilemenuItem4.title</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>EditmenuItem.title</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>EditmenuItem1.title</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>EditmenuItem2.title</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>EditmenuItem3.title</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>EditmenuItem4.title</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>EditmenuItem5.title</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>EditmenuItem6.title</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>EditmenuItem7.title</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>EditmenuItem9.title</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>EditmenuItem12.title</source>
        <translation>Transformaciones</translation>
    </message>
    <message>
        <source>Edit-FindMenuItem1.title</source>
        <translation>Buscar…</translation>
    </message>
    <message>
        <source>Edit-TransformationMenuItem1.title</source>
        <translation>Convertir a mayúsculas</translation>
    </message>
    <message>
        <source>Edit-TransformationMenuItem2.title</source>
        <translation>Convertir a minúsculas</translation>
    </message>
    <message>
        <source>Edit-TransformationMenuItem3.title</source>
        <translation>Poner mayúscula inicial</translation>
    </message>
    <message>
        <source>FormatmenuItem.title</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>FormatmenuItem1.title</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>FormatmenuItem2.title</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Format-FontMenuItem1.text</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Format-FontMenuItem2.text</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Format-FontMenuItem3.text</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Format-FontMenuItem4.text</source>
        <translation>Más grande</translation>
    </message>
    <message>
        <source>Format-FontMenuItem5.text</source>
        <translation>Más pequeño</translation>
    </message>
    <message>
        <source>Format-TextMenuItem1.text</source>
        <translation>Alinear a la izquierda</translation>
    </message>
    <message>
        <source>Format-TextMenuItem2.text</source>
        <translation>Centrar</translation>
    </message>
    <message>
        <source>Format-TextMenuItem3.text</source>
        <translation>Alinear a la derecha</translation>
    </message>
    <message>
        <source>PasswordMenuItem.title</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>PasswordMenuItem1.title</source>
        <translation>Bloquear Vexo</translation>
    </message>
    <message>
        <source>WindowMenuItem.title</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>WindowMenuItem1.title</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>WindowMenuItem2.title</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>WindowMenuItem3.title</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>HelpMenuItem.title</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>HelpMenuItem2.title</source>
        <translation>Mostrar tutorial</translation>
    </message>
    <message>
        <source>languageItem1</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>languageItem2</source>
        <translation>English</translation>
    </message>
    <message>
        <source>lockFileBtn.title</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>SortBtn.title</source>
        <translation>Ordenar por: %1</translation>
    </message>
    <message>
        <source>SortbyItem1</source>
        <translation>Fecha de adición</translation>
    </message>
    <message>
        <source>file_Item0</source>
        <translation>Mostrar todo</translation>
    </message>
    <message>
        <source>file_Item1</source>
        <translation>Ocultar todo</translation>
    </message>
    <message>
        <source>file_Item2</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>file_Item3</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>file_Item4</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>vaultRecreated.title</source>
        <translation>La carpeta de la caja fuerte no estaba y se ha vuelto a crear vacía</translation>
    </message>
    <message>
        <source>vaultRecreated.message</source>
        <translation>Si tu caja fuerte está en una unidad o un recurso compartido que no está conectado, sal de Vexo, elimina esta carpeta vacía, conecta la unidad y vuelve a abrir Vexo. No se ha cambiado nada de tu caja fuerte.</translation>
    </message>
    <message>
        <source>visableLabel.stringValue</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>hideState.text</source>
        <translation>Oculto</translation>
    </message>
    <message>
        <source>unhideState.text</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>groupChildFile_Item0</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>groupChildFile_Item1</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>groupChildFile_Item2</source>
        <translation>Obtener información</translation>
    </message>
    <message>
        <source>groupChildFile_Item3</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>groupChildFile_Item4</source>
        <translation>Quitar de la lista</translation>
    </message>
    <message>
        <source>SortbyItem2</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>SortbyItem3</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>SortbyItem4</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>SortbyItem5</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>SortbyItem6</source>
        <translation>Fecha de creación</translation>
    </message>
    <message>
        <source>SortbyItem7</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>SortbyItem8</source>
        <translation>Descendente</translation>
    </message>
    <message>
        <source>group_Item1</source>
        <translation>Ocultar todos los elementos</translation>
    </message>
    <message>
        <source>group_Item2</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>group_Item3</source>
        <translation>Eliminar grupo</translation>
    </message>
    <message>
        <source>AddItemPlString</source>
        <translation>Añadir grupo</translation>
    </message>
    <message>
        <source>oldPasswordLabel.stringValue</source>
        <translation>Contraseña actual:</translation>
    </message>
    <message>
        <source>nowPasswordLabel.stringValue</source>
        <translation>Contraseña nueva:</translation>
    </message>
    <message>
        <source>verifyLabel.stringValue</source>
        <translation>Confirmar:</translation>
    </message>
    <message>
        <source>passwordHitLabel.stringValue</source>
        <translation>Pista:</translation>
    </message>
    <message>
        <source>changeVltPassword</source>
        <translation>Cambiar la contraseña de %1</translation>
    </message>
    <message>
        <source>changePassword</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>changePasswordBtn.title</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>ProceedAnyway.StringValue</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>passwordMessage.StringValue</source>
        <translation>¿Cambiar la contraseña maestra?</translation>
    </message>
    <message>
        <source>passwordInfomation.StringValue</source>
        <translation>A partir de ahora, Vexo solo se abre con la nueva contraseña. Los elementos ocultados antes del cambio se muestran como siempre.</translation>
    </message>
    <message>
        <source>passwordNotSaved.StringValue</source>
        <translation>No se pudo guardar la nueva contraseña. Vexo se sigue abriendo con la contraseña anterior.</translation>
    </message>
    <message>
        <source>drivePasswordNotSaved</source>
        <translation>No se pudo escribir la nueva contraseña en la caja fuerte de la unidad %1. Conserva su contraseña anterior.</translation>
    </message>
    <message>
        <source>PasswordMenuItem2.title</source>
        <translation>Cambiar contraseña…</translation>
    </message>
    <message>
        <source>note_Item1</source>
        <translation>Eliminar nota</translation>
    </message>
    <message>
        <source>note_Item2</source>
        <translation>Nueva nota</translation>
    </message>
    <message>
        <source>NotesSortbyItem1</source>
        <translation>Fecha de adición</translation>
    </message>
    <message>
        <source>NotesSortbyItem2</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>NotesSortbyItem3</source>
        <translation>Fecha de creación</translation>
    </message>
    <message>
        <source>NotesSortbyItem4</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>NotesSortbyItem5</source>
        <translation>Descendente</translation>
    </message>
    <message>
        <source>noteNotSaved</source>
        <translation>No se pudo guardar la nota «%1».</translation>
    </message>
    <message>
        <source>Format-FontMenuItem10.text</source>
        <translation>Mostrar tipos de letra</translation>
    </message>
    <message>
        <source>Format-FontMenuItem11.text</source>
        <translation>Mostrar colores</translation>
    </message>
    <message>
        <source>ProMenuItem2.title</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>general_checkBox1</source>
        <translation>Mostrar el asistente en la barra de menús</translation>
    </message>
    <message>
        <source>general_checkBox2</source>
        <translation>Abrir el asistente al iniciar sesión</translation>
    </message>
    <message>
        <source>general_checkBox3</source>
        <translation>Enviar datos de uso anónimos</translation>
    </message>
    <message>
        <source>general_p1_item0</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>general_p1_item1</source>
        <translation>Tras 30 segundos</translation>
    </message>
    <message>
        <source>general_p1_item2</source>
        <translation>Tras 1 minuto</translation>
    </message>
    <message>
        <source>general_p1_item3</source>
        <translation>Tras 5 minutos</translation>
    </message>
    <message>
        <source>general_p1_item4</source>
        <translation>Tras 15 minutos</translation>
    </message>
    <message>
        <source>general_p2_item0</source>
        <translation>Bloquear la caja fuerte</translation>
    </message>
    <message>
        <source>general_p2_item1</source>
        <translation>Bloquear la caja fuerte y cerrar sus ventanas</translation>
    </message>
    <message>
        <source>general_p2_item2</source>
        <translation>Bloquear la caja fuerte y el asistente</translation>
    </message>
    <message>
        <source>general_descTitleLabel1</source>
        <translation>Bloquear en reposo:</translation>
    </message>
    <message>
        <source>general_descLabel1</source>
        <translation>La caja fuerte se bloquea cuando lleva este tiempo sin usarse.</translation>
    </message>
    <message>
        <source>general_descTitleLabel2</source>
        <translation>Al salir:</translation>
    </message>
    <message>
        <source>general_descLabel2</source>
        <translation>La caja fuerte siempre está bloqueada en el siguiente inicio.</translation>
    </message>
    <message>
        <source>password_checkBox1</source>
        <translation>Bloquear la caja fuerte antes de una copia de seguridad</translation>
    </message>
    <message>
        <source>password_descLabel</source>
        <translation>La contraseña maestra abre la caja fuerte. Cámbiala aquí; la pista te ayuda a recordarla.</translation>
    </message>
    <message>
        <source>password_ChangeBtn.stringvalue</source>
        <translation>Cambiar contraseña…</translation>
    </message>
    <message>
        <source>advanced_CheckBox1</source>
        <translation>Borrar de forma segura los datos restantes tras ocultar</translation>
    </message>
    <message>
        <source>advanced_CheckBox2</source>
        <translation>Mostrar los archivos que se vuelvan visibles desde el asistente de la barra de menús</translation>
    </message>
    <message>
        <source>advanced_CheckBox3</source>
        <translation>Mostrar los archivos que se vuelvan visibles desde la ventana principal</translation>
    </message>
    <message>
        <source>advanced_Item0</source>
        <translation>Una pasada de ceros</translation>
    </message>
    <message>
        <source>advanced_Item1</source>
        <translation>Una pasada de datos aleatorios</translation>
    </message>
    <message>
        <source>advanced_Item2</source>
        <translation>Tres pasadas</translation>
    </message>
    <message>
        <source>advanced_descTitleLabel1</source>
        <translation>Borrado seguro:</translation>
    </message>
    <message>
        <source>advanced_descTitleLabel2</source>
        <translation>Al mostrar:</translation>
    </message>
    <message>
        <source>advanced_descTitleLabel3</source>
        <translation>Carpeta de la caja fuerte:</translation>
    </message>
    <message>
        <source>advanced_descLabel</source>
        <translation>Los archivos ocultos y las notas se guardan en esta carpeta.</translation>
    </message>
    <message>
        <source>changePathBtn.stringValue</source>
        <translation>Mover…</translation>
    </message>
    <message>
        <source>Error_Changepath_Title</source>
        <translation>No se pudo mover la carpeta de la caja fuerte.</translation>
    </message>
    <message>
        <source>Error_Changepath_Message</source>
        <translation>La caja fuerte sigue donde estaba, con todo su contenido.</translation>
    </message>
    <message>
        <source>vaultMoveBusy</source>
        <translation>Espera a que termine de ocultar y mostrar elementos y después mueve la caja fuerte.</translation>
    </message>
    <message>
        <source>vaultMoveLeftBehind</source>
        <translation>La caja fuerte está ahora en %1, pero su carpeta anterior no se pudo eliminar por completo. Puedes borrar lo que queda de ella:</translation>
    </message>
    <message>
        <source>vaultMove.title</source>
        <translation>Moviendo la caja fuerte</translation>
    </message>
    <message>
        <source>vaultMove.message</source>
        <translation>Moviendo la caja fuerte a %1…</translation>
    </message>
    <message>
        <source>HelpMenuItem1.title</source>
        <translation>Ayuda de Vexo</translation>
    </message>
    <message>
        <source>kHelpUrl</source>
        <translation>qrc:/help/help.es.html</translation>
    </message>
    <message>
        <source>FilemenuItem5.title</source>
        <translation>Comprobar elementos ocultos…</translation>
    </message>
    <message>
        <source>vaultHealthy</source>
        <translation>Los %1 elementos ocultos están intactos: cada copia guardada está completa y se lee tal como se ocultó.</translation>
    </message>
    <message>
        <source>vaultDamaged</source>
        <translation>%1 de %2 elementos ocultos tienen una copia guardada que falta o está dañada. Deja la carpeta de la caja fuerte como está y restaura estos elementos desde una copia de seguridad:</translation>
    </message>
    <message>
        <source>general_checkBox4</source>
        <translation>Bloquear con la pantalla y al suspender</translation>
    </message>
    <message>
        <source>advanced_eraseNote</source>
        <translation>Las unidades SSD y los sistemas de archivos con copia en escritura (como Btrfs o ZFS) pueden guardar copias inalcanzables de los datos sobrescritos. El cifrado del disco completo te protege.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Main</name>
    <message>
        <source>GroupFileTypeTitle</source>
        <translation>DATEIEN</translation>
    </message>
    <message>
        <source>group_AllFiles</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>group_SECURENOTES</source>
        <translation>SICHERE NOTIZEN</translation>
    </message>
    <message>
        <source>group_Allnotes</source>
        <translation>Alle Notizen</translation>
    </message>
    <message>
        <source>monthiItem1.stringValue</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>monthiItem2.stringValue</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>monthiItem3.stringValue</source>
        <translation>März</translation>
    </message>
    <message>
        <source>monthiItem4.stringValue</source>
        <translation>April</translation>
    </message>
    <message>
        <source>monthiItem5.stringValue</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>monthiItem6.stringValue</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>monthiItem7.stringValue</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>monthiItem8.stringValue</source>
        <translation>August</translation>
    </message>
    <message>
        <source>monthiItem9.stringValue</source>
        <translation>September</translation>
    </message>
    <message>
        <source>monthiItem10.stringValue</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>monthiItem11.stringValue</source>
        <translation>November</translation>
    </message>
    <message>
        <source>monthiItem12.stringValue</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>weekItem1.stringValue</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>weekItem2.stringValue</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>weekItem3.stringValue</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>weekItem4.stringValue</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>weekItem5.stringValue</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>weekItem6.stringValue</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>weekItem7.stringValue</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>listUnreadable.title</source>
        <translation>Die Liste des Tresors konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>listUnreadable.message</source>
        <translation>Vexo hat die unlesbare Liste daneben aufbewahrt, mit „unreadable“ im Namen, und eine neue angelegt. Ihre ausgeblendeten Objekte liegen weiterhin im Tresorordner:</translation>
    </message>
    <message>
        <source>okBtn.Title</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>encrypted.stringvalue</source>
        <translation>ausgeblendet</translation>
    </message>
    <message>
        <source>process.text</source>
        <translation>Wird verarbeitet …</translation>
    </message>
    <message>
        <source>ProgressState</source>
        <translation>Noch etwa %1 s</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>hideFailed.title</source>
        <translation>Das Objekt konnte nicht ausgeblendet werden. Es ist weiterhin an seinem Ort sichtbar, und nichts wurde gelöscht.</translation>
    </message>
    <message>
        <source>unhideFailed.title</source>
        <translation>Das Objekt konnte nicht wiederhergestellt werden. Es bleibt im Tresor ausgeblendet; nichts ging verloren.</translation>
    </message>
    <message>
        <source>error_md5_message</source>
        <translation>Das wiederhergestellte Objekt unterscheidet sich vom ausgeblendeten. Es bleibt daher als ausgeblendet markiert, und seine gespeicherte Kopie wird behalten. Prüfsumme des Wiederhergestellten</translation>
    </message>
    <message>
        <source>wenxintishi</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>fileRemovedMessage</source>
        <translation>Dieses Objekt ist nicht mehr an seinem Ort, oder sein Laufwerk ist nicht mehr verbunden.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>needTotalSize.Title</source>
        <translation>Nicht genug freier Speicherplatz auf dem Laufwerk: %1 MB werden benötigt.</translation>
    </message>
    <message>
        <source>passordMessage</source>
        <translation>Der Tresor dieses Laufwerks hat ein eigenes Passwort. Geben Sie es ein, um den Tresor zu öffnen.</translation>
    </message>
    <message>
        <source>addFristBtn.string</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>addSecondBtn.string</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>clickPassword</source>
        <translation>Tresorpasswort</translation>
    </message>
    <message>
        <source>passworderror</source>
        <translation>Das Passwort ist nicht korrekt.</translation>
    </message>
    <message>
        <source>group_Item4</source>
        <translation>Neue Gruppe</translation>
    </message>
    <message>
        <source>VAULTName.string</source>
        <translation>TRESOR %1</translation>
    </message>
    <message>
        <source>removeitemformlistmessage.text</source>
        <translation>Dieses Objekt aus der Liste entfernen?</translation>
    </message>
    <message>
        <source>removeitemformlistinfomation.text</source>
        <translation>Das Objekt ist ausgeblendet. Es wird zuerst eingeblendet und an seinen Ort zurückgelegt; dann verlässt es die Liste. Die Datei selbst bleibt erhalten.</translation>
    </message>
    <message>
        <source>PasswordSucOk.StringValue</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel.StringValue</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>addRefused.title</source>
        <translation>Einige Objekte wurden nicht hinzugefügt</translation>
    </message>
    <message>
        <source>moreFailures.text</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>CreateFolderErrorTitle</source>
        <translation>Der Tresorordner kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>CreateFolderErrorMessage</source>
        <translation>Der Tresorordner fehlt oder liegt auf einem Laufwerk, auf dessen Dateisystem Vexo nicht schreiben kann (NTFS).</translation>
    </message>
    <message>
        <source>NTFErrorTitle</source>
        <translation>NTFS-Laufwerke werden nicht unterstützt</translation>
    </message>
    <message>
        <source>NTFErrorMessage</source>
        <translation>Vexo kann keinen Tresor auf einem NTFS-Laufwerk führen. Verwenden Sie ein Laufwerk, das mit exFAT, FAT32 oder einem Linux-Dateisystem formatiert ist.</translation>
    </message>
    <message>
        <source>addMessage.string</source>
        <translation>Das Laufwerk „%1“ hat noch keinen Tresor. Einen anlegen, um diese Objekte auf dem Laufwerk auszublenden?</translation>
    </message>
    <message>
        <source>addMessage1.string</source>
        <translation>Das Laufwerk „%1“ enthält bereits einen Tresorordner, der nicht geöffnet ist. Einen neuen Tresor anlegen oder einen vorhandenen auswählen?</translation>
    </message>
    <message>
        <source>addInfomation.string</source>
        <translation>Objekte auf einem Wechseldatenträger werden in einem Tresor auf demselben Laufwerk aufbewahrt, damit das Laufwerk zwischen Computern wechseln kann.</translation>
    </message>
    <message>
        <source>Newlybuild.string</source>
        <translation>Neu anlegen</translation>
    </message>
    <message>
        <source>Selectexisting.string</source>
        <translation>Vorhandenen auswählen</translation>
    </message>
    <message>
        <source>selectsecurityMessage</source>
        <translation>Wählen Sie den Tresorordner (.vlt) auf dem Laufwerk aus</translation>
    </message>
    <message>
        <source>createFolderMessage</source>
        <translation>Benennen Sie den neuen Tresor</translation>
    </message>
    <message>
        <source>clickvaultName</source>
        <translation>Name des Tresors</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>vaultInUse.title</source>
        <translation>Der Tresor ist in einem anderen Programm geöffnet</translation>
    </message>
    <message>
        <source>vaultInUse.message</source>
        <translation>Vexo oder vexo-cli hat diesen Tresor bereits geöffnet. Schließen Sie ihn zuerst dort und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>cli.alreadyHidden</source>
        <translation>%1 ist bereits ausgeblendet.</translation>
    </message>
    <message>
        <source>cli.alreadyVisible</source>
        <translation>%1 ist bereits sichtbar.</translation>
    </message>
    <message>
        <source>cli.alreadyInVault</source>
        <translation>%1: bereits im Tresor; ausgelassen.</translation>
    </message>
    <message>
        <source>cli.alreadySetUp</source>
        <translation>Es ist bereits ein Tresor eingerichtet, unter %1. Ändern Sie sein Passwort mit vexo-cli passwd.</translation>
    </message>
    <message>
        <source>cli.answeredNo</source>
        <translation>Kein Terminal für eine Antwort: „%1“ wird gewählt.</translation>
    </message>
    <message>
        <source>cli.askHint</source>
        <translation>Passworthinweis:</translation>
    </message>
    <message>
        <source>cli.askNewPassword</source>
        <translation>Neues Master-Passwort:</translation>
    </message>
    <message>
        <source>cli.askOldPassword</source>
        <translation>Aktuelles Master-Passwort:</translation>
    </message>
    <message>
        <source>cli.askPassword</source>
        <translation>Master-Passwort:</translation>
    </message>
    <message>
        <source>cli.askRepeatPassword</source>
        <translation>Neues Passwort wiederholen:</translation>
    </message>
    <message>
        <source>cli.badNumber</source>
        <translation>„%1“ ist keine Zahl ab 1.</translation>
    </message>
    <message>
        <source>cli.cancelled</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>cli.chooseNumber</source>
        <translation>Wählen Sie 1 bis %1:</translation>
    </message>
    <message>
        <source>cli.driveVaultOpened</source>
        <translation>Laufwerkstresor %1 geöffnet.</translation>
    </message>
    <message>
        <source>cli.emptyGroupName</source>
        <translation>Eine Gruppe braucht einen Namen.</translation>
    </message>
    <message>
        <source>cli.emptyHint</source>
        <translation>Ein Passworthinweis ist nötig; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>cli.emptyPassword</source>
        <translation>Das Passwort darf nicht leer sein; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>cli.extraArgument</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>cli.groupCreated</source>
        <translation>Gruppe %1 „%2“ angelegt.</translation>
    </message>
    <message>
        <source>cli.groupFixed</source>
        <translation>Gruppe %1 ist eine „Alle“-Gruppe: Sie kann weder umbenannt noch gelöscht werden.</translation>
    </message>
    <message>
        <source>cli.hidden</source>
        <translation>Ausgeblendet: %1</translation>
    </message>
    <message>
        <source>cli.missingArgument</source>
        <translation>Ein Argument fehlt.</translation>
    </message>
    <message>
        <source>cli.noCommand</source>
        <translation>Kein Befehl angegeben.</translation>
    </message>
    <message>
        <source>cli.noItems</source>
        <translation>Keine Objekte.</translation>
    </message>
    <message>
        <source>cli.noSuchGroup</source>
        <translation>Es gibt keine Gruppe %1; siehe vexo-cli groups.</translation>
    </message>
    <message>
        <source>cli.noSuchItem</source>
        <translation>%1: kein solches Objekt im Tresor; siehe vexo-cli list.</translation>
    </message>
    <message>
        <source>cli.noTerminal</source>
        <translation>Kein Terminal, um nach dem Passwort zu fragen; geben Sie es mit --password-stdin über die Standardeingabe an.</translation>
    </message>
    <message>
        <source>cli.noVault</source>
        <translation>Für diesen Benutzer ist noch kein Tresor eingerichtet. Legen Sie einen an mit: vexo-cli init DIR</translation>
    </message>
    <message>
        <source>cli.notHidden</source>
        <translation>Nicht ausgeblendet: %1</translation>
    </message>
    <message>
        <source>cli.notRemoved</source>
        <translation>Nicht entfernt: %1</translation>
    </message>
    <message>
        <source>cli.noteGroup</source>
        <translation>Gruppe %1 enthält sichere Notizen, keine Dateien.</translation>
    </message>
    <message>
        <source>cli.optionNeedsValue</source>
        <translation>Die Option %1 braucht einen Wert.</translation>
    </message>
    <message>
        <source>cli.passwordChanged</source>
        <translation>Passwort geändert.</translation>
    </message>
    <message>
        <source>cli.passwordsDiffer</source>
        <translation>Die beiden Passwörter stimmen nicht überein; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>cli.progressBytes</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>cli.progressLeft</source>
        <translation>noch %1 s</translation>
    </message>
    <message>
        <source>cli.progressRate</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>cli.removed</source>
        <translation>Entfernt: %1</translation>
    </message>
    <message>
        <source>cli.sectionDrive</source>
        <translation>Laufwerkstresor %1</translation>
    </message>
    <message>
        <source>cli.sectionLocal</source>
        <translation>Tresor auf diesem Computer</translation>
    </message>
    <message>
        <source>cli.sectionNotes</source>
        <translation>Sichere Notizen</translation>
    </message>
    <message>
        <source>cli.seeHelp</source>
        <translation>Siehe %1.</translation>
    </message>
    <message>
        <source>cli.stateHidden</source>
        <translation>ausgeblendet</translation>
    </message>
    <message>
        <source>cli.stateVisible</source>
        <translation>sichtbar</translation>
    </message>
    <message>
        <source>cli.statusDriveVault</source>
        <translation>Laufwerkstresor %1: %2 Objekte, %3 ausgeblendet</translation>
    </message>
    <message>
        <source>cli.statusItems</source>
        <translation>Objekte: %1 (%2 ausgeblendet, %3 sichtbar)</translation>
    </message>
    <message>
        <source>cli.statusNotOpenElsewhere</source>
        <translation>In einem anderen Programm geöffnet: nein</translation>
    </message>
    <message>
        <source>cli.statusOpenElsewhere</source>
        <translation>In einem anderen Programm geöffnet: ja</translation>
    </message>
    <message>
        <source>cli.statusVault</source>
        <translation>Tresor: %1</translation>
    </message>
    <message>
        <source>cli.storeDamaged</source>
        <translation>beschädigt: %1: %2</translation>
    </message>
    <message>
        <source>cli.storeMissing</source>
        <translation>fehlt: %1</translation>
    </message>
    <message>
        <source>cli.unhidden</source>
        <translation>Eingeblendet: %1</translation>
    </message>
    <message>
        <source>cli.unknownCommand</source>
        <translation>Unbekannter Befehl „%1“.</translation>
    </message>
    <message>
        <source>cli.unknownGroupAction</source>
        <translation>Unbekannte Gruppenaktion „%1“: Verwenden Sie add, rename oder delete.</translation>
    </message>
    <message>
        <source>cli.unknownOption</source>
        <translation>Unbekannte Option %1.</translation>
    </message>
    <message>
        <source>cli.unknownSort</source>
        <translation>Unbekannte Sortierung „%1“: Verwenden Sie added, name, path, size, state oder created.</translation>
    </message>
    <message>
        <source>cli.vaultCreated</source>
        <translation>Tresor angelegt unter %1</translation>
    </message>
    <message>
        <source>cli.verified</source>
        <translation>%1 ausgeblendete Objekte geprüft, %2 mit Problemen.</translation>
    </message>
    <message>
        <source>cli.wrongPassword</source>
        <translation>Falsches Passwort.</translation>
    </message>
    <message>
        <source>passwordFaileMessage.StringValue</source>
        <translation>Das aktuelle Passwort ist falsch.</translation>
    </message>
    <message>
        <source>passwordSucMessage.StringValue</source>
        <translation>Ihr neues Passwort wurde gespeichert, ist aber schwach.</translation>
    </message>
    <message>
        <source>passwordSucInfomation.StringValue</source>
        <translation>Ein längeres Passwort aus Buchstaben, Ziffern und anderen Zeichen ist viel schwerer zu erraten.</translation>
    </message>
    <message>
        <source>cli.help</source>
        <translation>Aufruf: vexo-cli [--password-stdin] COMMAND [ARGS]

Arbeitet mit demselben Tresor wie die Desktop-Anwendung Vexo.

Befehle:
  init DIR [--hint TEXT]   legt den Tresorordner an und setzt das Master-Passwort
  status [--json]          der Tresor, seine Objekte und ob ein anderes Programm ihn offen hat
  groups [--json]          jede Gruppe mit ihrer Nummer und Objektanzahl
  group add NAME | group rename N NAME | group delete N
  list [--group N] [--sort added|name|path|size|state|created] [--desc]
       [--search TEXT] [--json]
  add [--group N] [--vault-name NAME] PATH...   Dateien und Ordner hinzufügen und ausblenden
  hide ITEM... | unhide ITEM...                  ITEM: eine Nummer aus list oder ein Pfad
  remove ITEM... [--yes]   Objekte aus der Liste nehmen (ausgeblendete zuerst einblenden)
  verify [ITEM...] [--json]   Kopien ausgeblendeter Objekte prüfen, ohne zu schreiben
  passwd                   das Master-Passwort ändern

Optionen:
  --password-stdin   das Passwort und jede spätere Antwort zeilenweise von der
                     Standardeingabe statt vom Terminal lesen
  --help             dieser Text; COMMAND --help für den eines Befehls

Exit-Status: 0 erledigt, 1 ein Vorgang ist fehlgeschlagen, 2 falscher Aufruf,
3 falsches Passwort, 4 der Tresor ist in einem anderen Programm geöffnet.</translation>
    </message>
    <message>
        <source>cli.help.init</source>
        <translation>Aufruf: vexo-cli init DIR [--hint TEXT]

Legt den Tresorordner DIR an („.vlt“ wird angehängt, wenn es im Namen fehlt;
ein vorhandener Ordner bleibt, wie er ist) und setzt das zweimal abgefragte
Master-Passwort. --hint speichert einen Hinweis. Abgelehnt, wenn schon eingerichtet.</translation>
    </message>
    <message>
        <source>cli.help.status</source>
        <translation>Aufruf: vexo-cli status [--json]

Zeigt den Tresorordner, wie viele Objekte er enthält, ausgeblendet und sichtbar,
die geöffneten Laufwerkstresore und ob ein anderes Programm (die Desktop-Anwendung
oder ein anderes vexo-cli) den Tresor geöffnet hat. Funktioniert auch dann.</translation>
    </message>
    <message>
        <source>cli.help.groups</source>
        <translation>Aufruf: vexo-cli groups [--json]

Listet alle Gruppen auf: die des Tresors, die jedes geöffneten Laufwerkstresors und
die der sicheren Notizen. Die Nummern gelten für list --group, add --group und group.</translation>
    </message>
    <message>
        <source>cli.help.group</source>
        <translation>Aufruf: vexo-cli group add NAME
        vexo-cli group rename N NAME
        vexo-cli group delete N

Fügt dem Tresor eine Gruppe hinzu, benennt Gruppe N um oder löscht sie. Die Objekte
einer gelöschten Gruppe kommen nach „Alle Dateien“. Die „Alle“-Gruppen lassen sich nicht ändern.</translation>
    </message>
    <message>
        <source>cli.help.list</source>
        <translation>Aufruf: vexo-cli list [--group N] [--sort KEY] [--desc] [--search TEXT] [--json]

Listet die Objekte aller geöffneten Tresore auf, oder die, die Gruppe N zeigt. KEY ist
added (Standard), name, path, size, state oder created; --desc kehrt die Reihenfolge
um. --search behält die Objekte, deren Name TEXT enthält (Groß-/Kleinschreibung egal).
Die Nummern bleiben in jeder Reihenfolge gleich: hide, unhide, remove und
verify nehmen sie an.</translation>
    </message>
    <message>
        <source>cli.help.add</source>
        <translation>Aufruf: vexo-cli add [--group N] [--vault-name NAME] PATH...

Fügt dem Tresor Dateien und Ordner hinzu und blendet sie aus. Objekte auf einem
Wechseldatenträger kommen in den Tresor dieses Laufwerks; ist dort keiner geöffnet,
wird ein neuer angelegt, namens NAME (oder wie Sie antworten; ohne Namen „Vault.vlt“).
Ein hinzugefügter Laufwerkstresorordner („.vlt“-Ordner auf einem Laufwerk) wird geöffnet.
--group N legt die neuen Objekte in Gruppe N ab.</translation>
    </message>
    <message>
        <source>cli.help.hide</source>
        <translation>Aufruf: vexo-cli hide ITEM...

Blendet die Objekte aus: Jedes wird im Tresor gespeichert und von seinem Ort entfernt.
ITEM ist eine Nummer aus vexo-cli list oder der Pfad des Objekts (./NAME für eine Datei,
deren Name eine Zahl ist). Strg-C bricht das gerade ausgeblendete Objekt ab, das
unverändert bleibt, und hält an.</translation>
    </message>
    <message>
        <source>cli.help.unhide</source>
        <translation>Aufruf: vexo-cli unhide ITEM...

Legt die Objekte an ihre Orte zurück und prüft, dass sie unverändert
zurückgekommen sind. ITEM ist eine Nummer aus vexo-cli list oder der Pfad des Objekts.
Strg-C bricht das Objekt in Arbeit ab, das ausgeblendet bleibt, und hält an.</translation>
    </message>
    <message>
        <source>cli.help.remove</source>
        <translation>Aufruf: vexo-cli remove ITEM... [--yes]

Nimmt die Objekte aus der Liste des Tresors. Ein ausgeblendetes Objekt wird zuerst
eingeblendet, nachdem Sie bestätigt haben; --yes bestätigt für Sie (ohne Terminal nötig).</translation>
    </message>
    <message>
        <source>cli.help.verify</source>
        <translation>Aufruf: vexo-cli verify [ITEM...] [--json]

Prüft, ob die gespeicherte Kopie jedes ausgeblendeten Objekts (oder der angegebenen)
vollständig ist und sich so zurücklesen lässt, wie sie ausgeblendet wurde. Schreibt nichts.
Exit-Status 1, wenn eine Kopie fehlt oder beschädigt ist.</translation>
    </message>
    <message>
        <source>cli.help.passwd</source>
        <translation>Aufruf: vexo-cli passwd

Ändert das Master-Passwort: fragt nach dem aktuellen, zweimal nach dem neuen und
nach einem Hinweis. Zuvor ausgeblendete Objekte funktionieren mit dem neuen Passwort weiter.</translation>
    </message>
    <message>
        <source>oneTitle.stringValue</source>
        <translation>Willkommen bei Vexo</translation>
    </message>
    <message>
        <source>oneDesc1Label.stringValue</source>
        <translation>Bewahren Sie private Dateien und Ordner an einem sicheren Ort auf.</translation>
    </message>
    <message>
        <source>oneDesc2Label.stringValue</source>
        <translation>Ausgeblendete Objekte werden verschlüsselt in Ihrem Tresor gespeichert.</translation>
    </message>
    <message>
        <source>twoTitle.stringValue</source>
        <translation>Sammeln Sie Ihre Dateien</translation>
    </message>
    <message>
        <source>twoDesc1Label.stringValue</source>
        <translation>Ziehen Sie Dateien und Ordner in das Fenster, oder fügen Sie sie mit der Schaltfläche + hinzu.</translation>
    </message>
    <message>
        <source>twoDesc2Label.stringValue</source>
        <translation>Ordnen Sie sie in eigene Gruppen ein.</translation>
    </message>
    <message>
        <source>twoDesc3Label.stringValue</source>
        <translation>Objekte bleiben, wo sie sind, bis Sie sie ausblenden.</translation>
    </message>
    <message>
        <source>twoDesc4Label.stringValue</source>
        <translation>Dateien auf einem Wechseldatenträger bleiben auf diesem Laufwerk.</translation>
    </message>
    <message>
        <source>twoDesc5Label.stringValue</source>
        <translation>Suchen und sortieren Sie, um jedes Objekt schnell zu finden.</translation>
    </message>
    <message>
        <source>threTitle.stringValue</source>
        <translation>Mit einem Schalter ausblenden</translation>
    </message>
    <message>
        <source>threDesc1Label.stringValue</source>
        <translation>Schalten Sie ein Objekt auf ausgeblendet, und es verschwindet aus seinem Ordner.</translation>
    </message>
    <message>
        <source>threDesc2Label.stringValue</source>
        <translation>Schalten Sie es zurück, und es kehrt genau so zurück, wie es war.</translation>
    </message>
    <message>
        <source>sixTitleLabel.stringValue</source>
        <translation>Sichere Notizen</translation>
    </message>
    <message>
        <source>sixDescLabel.stringValue</source>
        <translation>Schreiben Sie Notizen, die nur Sie lesen können.</translation>
    </message>
    <message>
        <source>sixDesc2Label.stringValue</source>
        <translation>Sie werden zusammen mit Ihren Dateien im Tresor aufbewahrt.</translation>
    </message>
    <message>
        <source>fiveTitleLabel.stringValue</source>
        <translation>Legen Sie Ihren Tresor an</translation>
    </message>
    <message>
        <source>fiveDesc1Label.stringValue</source>
        <translation>Wählen Sie ein Master-Passwort. Sie brauchen es bei jedem Öffnen von Vexo.</translation>
    </message>
    <message>
        <source>fiveDesc2Label.stringValue</source>
        <translation>Ein vergessenes Passwort lässt sich nicht wiederherstellen.</translation>
    </message>
    <message>
        <source>fiveDesc3Label.stringValue</source>
        <translation>Ein Hinweis hilft Ihnen, sich daran zu erinnern.</translation>
    </message>
    <message>
        <source>password_TextField.placeholderString</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>sourepassword_TextField.placeholderString</source>
        <translation>Passwort bestätigen</translation>
    </message>
    <message>
        <source>passwordhint.placeholderString</source>
        <translation>Passworthinweis</translation>
    </message>
    <message>
        <source>remmenberBtn.title</source>
        <translation>Passwort merken</translation>
    </message>
    <message>
        <source>Next.text</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>createVaultBtn.title</source>
        <translation>Tresor anlegen</translation>
    </message>
    <message>
        <source>closeBtn.title</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>SavePanel.message</source>
        <translation>Wählen Sie, wo Ihr Tresorordner angelegt wird.</translation>
    </message>
    <message>
        <source>AppName.text</source>
        <translation>Vexo</translation>
    </message>
    <message>
        <source>passwordTextField.placeholderString</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>passwordtishiLabelstringValue</source>
        <translation>Geben Sie Ihr Master-Passwort ein, um den Tresor zu entsperren.</translation>
    </message>
    <message>
        <source>passwordhint1.placeholderString</source>
        <translation>Passwort vergessen?</translation>
    </message>
    <message>
        <source>passwordkeyphale</source>
        <translation>Das Passwort kann nicht wiederhergestellt werden. Prüfen Sie die Tastaturbelegung und die Feststelltaste, und versuchen Sie es sorgfältig erneut.</translation>
    </message>
    <message>
        <source>chooser.allFiles</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>languageIcon</source>
        <translation>de</translation>
    </message>
    <message>
        <source>cli.vaultMissing</source>
        <translation>Der Tresorordner %1 ist nicht vorhanden. Ist sein Laufwerk angeschlossen, oder wurde der Ordner verschoben? Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>cli.noPassword</source>
        <translation>Kein Passwort angegeben.</translation>
    </message>
    <message>
        <source>cli.driveVaultNotOpened</source>
        <translation>%1 wurde nicht als Laufwerkstresor geöffnet.</translation>
    </message>
    <message>
        <source>cli.noteGroupKept</source>
        <translation>Gruppe %1 enthält sichere Notizen: Löschen Sie sie in der Desktop-Anwendung, wo ihre Notizen angezeigt werden.</translation>
    </message>
    <message>
        <source>ProMenuItem1.title</source>
        <translation>Über Vexo</translation>
    </message>
    <message>
        <source>ProMenuItem3.title</source>
        <translation>Vexo beenden</translation>
    </message>
    <message>
        <source>LanguageBtnTitle</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>FilemenuItem.title</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>FilemenuItem1.title</source>
        <translation>Dateien hinzufügen …</translation>
    </message>
    <message>
        <source>FilemenuItem2.title</source>
        <translation>Neue Notiz</translation>
    </message>
    <message>
        <source>FilemenuItem3.title</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>FilemenuItem4.title</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <source>EditmenuItem.title</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>EditmenuItem1.title</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>EditmenuItem2.title</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>EditmenuItem3.title</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>EditmenuItem4.title</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>EditmenuItem5.title</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>EditmenuItem6.title</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>EditmenuItem7.title</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>EditmenuItem9.title</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>EditmenuItem12.title</source>
        <translation>Transformationen</translation>
    </message>
    <message>
        <source>Edit-FindMenuItem1.title</source>
        <translation>Suchen …</translation>
    </message>
    <message>
        <source>Edit-TransformationMenuItem1.title</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message>
        <source>Edit-TransformationMenuItem2.title</source>
        <translation>Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Edit-TransformationMenuItem3.title</source>
        <translation>Wortanfänge groß</translation>
    </message>
    <message>
        <source>FormatmenuItem.title</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>FormatmenuItem1.title</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>FormatmenuItem2.title</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Format-FontMenuItem1.text</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Format-FontMenuItem2.text</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Format-FontMenuItem3.text</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Format-FontMenuItem4.text</source>
        <translation>Größer</translation>
    </message>
    <message>
        <source>Format-FontMenuItem5.text</source>
        <translation>Kleiner</translation>
    </message>
    <message>
        <source>Format-TextMenuItem1.text</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Format-TextMenuItem2.text</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Format-TextMenuItem3.text</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>PasswordMenuItem.title</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>PasswordMenuItem1.title</source>
        <translation>Vexo sperren</translation>
    </message>
    <message>
        <source>WindowMenuItem.title</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>WindowMenuItem1.title</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>WindowMenuItem2.title</source>
        <translation>Zoomen</translation>
    </message>
    <message>
        <source>WindowMenuItem3.title</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>HelpMenuItem.title</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>HelpMenuItem2.title</source>
        <translation>Einführung anzeigen</translation>
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
        <translation>Sperren</translation>
    </message>
    <message>
        <source>SortBtn.title</source>
        <translation>Sortieren nach: %1</translation>
    </message>
    <message>
        <source>SortbyItem1</source>
        <translation>Hinzugefügt am</translation>
    </message>
    <message>
        <source>file_Item0</source>
        <translation>Alle einblenden</translation>
    </message>
    <message>
        <source>file_Item1</source>
        <translation>Alle ausblenden</translation>
    </message>
    <message>
        <source>file_Item2</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>file_Item3</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <source>file_Item4</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>vaultRecreated.title</source>
        <translation>Der Tresorordner fehlte und wurde leer neu angelegt</translation>
    </message>
    <message>
        <source>vaultRecreated.message</source>
        <translation>Wenn Ihr Tresor auf einem Laufwerk oder einer Freigabe liegt, die nicht verbunden ist, beenden Sie Vexo, entfernen Sie diesen leeren Ordner, schließen Sie das Laufwerk an und starten Sie Vexo erneut. An Ihrem Tresor wurde nichts geändert.</translation>
    </message>
    <message>
        <source>visableLabel.stringValue</source>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>hideState.text</source>
        <translation>Ausgeblendet</translation>
    </message>
    <message>
        <source>unhideState.text</source>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>groupChildFile_Item0</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <source>groupChildFile_Item1</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>groupChildFile_Item2</source>
        <translation>Informationen anzeigen</translation>
    </message>
    <message>
        <source>groupChildFile_Item3</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <source>groupChildFile_Item4</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
    <message>
        <source>SortbyItem2</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>SortbyItem3</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>SortbyItem4</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>SortbyItem5</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>SortbyItem6</source>
        <translation>Erstellt am</translation>
    </message>
    <message>
        <source>SortbyItem7</source>
        <translation>Aufsteigend</translation>
    </message>
    <message>
        <source>SortbyItem8</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>group_Item1</source>
        <translation>Alle Objekte ausblenden</translation>
    </message>
    <message>
        <source>group_Item2</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>group_Item3</source>
        <translation>Gruppe löschen</translation>
    </message>
    <message>
        <source>AddItemPlString</source>
        <translation>Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>oldPasswordLabel.stringValue</source>
        <translation>Aktuelles Passwort:</translation>
    </message>
    <message>
        <source>nowPasswordLabel.stringValue</source>
        <translation>Neues Passwort:</translation>
    </message>
    <message>
        <source>verifyLabel.stringValue</source>
        <translation>Bestätigen:</translation>
    </message>
    <message>
        <source>passwordHitLabel.stringValue</source>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <source>changeVltPassword</source>
        <translation>Passwort von %1 ändern</translation>
    </message>
    <message>
        <source>changePassword</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>changePasswordBtn.title</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>ProceedAnyway.StringValue</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>passwordMessage.StringValue</source>
        <translation>Master-Passwort ändern?</translation>
    </message>
    <message>
        <source>passwordInfomation.StringValue</source>
        <translation>Von nun an öffnet sich Vexo nur mit dem neuen Passwort. Vor der Änderung ausgeblendete Objekte lassen sich wie bisher einblenden.</translation>
    </message>
    <message>
        <source>passwordNotSaved.StringValue</source>
        <translation>Das neue Passwort konnte nicht gespeichert werden. Vexo öffnet sich weiterhin mit dem alten Passwort.</translation>
    </message>
    <message>
        <source>drivePasswordNotSaved</source>
        <translation>Das neue Passwort konnte nicht in den Laufwerkstresor %1 geschrieben werden. Er behält sein altes Passwort.</translation>
    </message>
    <message>
        <source>PasswordMenuItem2.title</source>
        <translation>Passwort ändern …</translation>
    </message>
    <message>
        <source>note_Item1</source>
        <translation>Notiz löschen</translation>
    </message>
    <message>
        <source>note_Item2</source>
        <translation>Neue Notiz</translation>
    </message>
    <message>
        <source>NotesSortbyItem1</source>
        <translation>Hinzugefügt am</translation>
    </message>
    <message>
        <source>NotesSortbyItem2</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>NotesSortbyItem3</source>
        <translation>Erstellt am</translation>
    </message>
    <message>
        <source>NotesSortbyItem4</source>
        <translation>Aufsteigend</translation>
    </message>
    <message>
        <source>NotesSortbyItem5</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>noteNotSaved</source>
        <translation>Die Notiz „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Format-FontMenuItem10.text</source>
        <translation>Schriften anzeigen</translation>
    </message>
    <message>
        <source>Format-FontMenuItem11.text</source>
        <translation>Farben anzeigen</translation>
    </message>
    <message>
        <source>ProMenuItem2.title</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>general_checkBox1</source>
        <translation>Assistenten in der Menüleiste anzeigen</translation>
    </message>
    <message>
        <source>general_checkBox2</source>
        <translation>Assistenten bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>general_checkBox3</source>
        <translation>Anonyme Nutzungsdaten senden</translation>
    </message>
    <message>
        <source>general_p1_item0</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>general_p1_item1</source>
        <translation>Nach 30 Sekunden</translation>
    </message>
    <message>
        <source>general_p1_item2</source>
        <translation>Nach 1 Minute</translation>
    </message>
    <message>
        <source>general_p1_item3</source>
        <translation>Nach 5 Minuten</translation>
    </message>
    <message>
        <source>general_p1_item4</source>
        <translation>Nach 15 Minuten</translation>
    </message>
    <message>
        <source>general_p2_item0</source>
        <translation>Tresor sperren</translation>
    </message>
    <message>
        <source>general_p2_item1</source>
        <translation>Tresor sperren und seine Fenster schließen</translation>
    </message>
    <message>
        <source>general_p2_item2</source>
        <translation>Tresor und Assistenten sperren</translation>
    </message>
    <message>
        <source>general_descTitleLabel1</source>
        <translation>Bei Inaktivität sperren:</translation>
    </message>
    <message>
        <source>general_descLabel1</source>
        <translation>Der Tresor wird gesperrt, wenn er so lange unbenutzt war.</translation>
    </message>
    <message>
        <source>general_descTitleLabel2</source>
        <translation>Beim Beenden:</translation>
    </message>
    <message>
        <source>general_descLabel2</source>
        <translation>Beim nächsten Start ist der Tresor immer gesperrt.</translation>
    </message>
    <message>
        <source>password_checkBox1</source>
        <translation>Tresor vor einer Datensicherung sperren</translation>
    </message>
    <message>
        <source>password_descLabel</source>
        <translation>Das Master-Passwort öffnet den Tresor. Ändern Sie es hier; der Hinweis hilft Ihnen, sich daran zu erinnern.</translation>
    </message>
    <message>
        <source>password_ChangeBtn.stringvalue</source>
        <translation>Passwort ändern …</translation>
    </message>
    <message>
        <source>advanced_CheckBox1</source>
        <translation>Verbleibende Dateidaten nach dem Ausblenden sicher löschen</translation>
    </message>
    <message>
        <source>advanced_CheckBox2</source>
        <translation>Über den Menüleisten-Assistenten eingeblendete Dateien zeigen</translation>
    </message>
    <message>
        <source>advanced_CheckBox3</source>
        <translation>Über das Hauptfenster eingeblendete Dateien zeigen</translation>
    </message>
    <message>
        <source>advanced_Item0</source>
        <translation>Ein Durchgang mit Nullen</translation>
    </message>
    <message>
        <source>advanced_Item1</source>
        <translation>Ein Durchgang mit Zufallsdaten</translation>
    </message>
    <message>
        <source>advanced_Item2</source>
        <translation>Drei Durchgänge</translation>
    </message>
    <message>
        <source>advanced_descTitleLabel1</source>
        <translation>Sicheres Löschen:</translation>
    </message>
    <message>
        <source>advanced_descTitleLabel2</source>
        <translation>Beim Einblenden:</translation>
    </message>
    <message>
        <source>advanced_descTitleLabel3</source>
        <translation>Tresorordner:</translation>
    </message>
    <message>
        <source>advanced_descLabel</source>
        <translation>Ausgeblendete Dateien und Notizen werden in diesem Ordner aufbewahrt.</translation>
    </message>
    <message>
        <source>changePathBtn.stringValue</source>
        <translation>Verschieben…</translation>
    </message>
    <message>
        <source>Error_Changepath_Title</source>
        <translation>Der Tresorordner konnte nicht verschoben werden.</translation>
    </message>
    <message>
        <source>Error_Changepath_Message</source>
        <translation>Der Tresor bleibt mit seinem ganzen Inhalt, wo er war.</translation>
    </message>
    <message>
        <source>vaultMoveBusy</source>
        <translation>Warten Sie, bis das Aus- und Einblenden beendet ist, und verschieben Sie dann den Tresor.</translation>
    </message>
    <message>
        <source>vaultMoveLeftBehind</source>
        <translation>Der Tresor liegt jetzt in %1, aber sein alter Ordner konnte nicht vollständig entfernt werden. Sie können den Rest selbst löschen:</translation>
    </message>
    <message>
        <source>vaultMove.title</source>
        <translation>Tresor wird verschoben</translation>
    </message>
    <message>
        <source>vaultMove.message</source>
        <translation>Der Tresor wird nach %1 verschoben …</translation>
    </message>
    <message>
        <source>HelpMenuItem1.title</source>
        <translation>Vexo-Hilfe</translation>
    </message>
    <message>
        <source>kHelpUrl</source>
        <translation>qrc:/help/help.de.html</translation>
    </message>
    <message>
        <source>FilemenuItem5.title</source>
        <translation>Ausgeblendete Objekte prüfen …</translation>
    </message>
    <message>
        <source>vaultHealthy</source>
        <translation>Alle %1 ausgeblendeten Objekte sind unversehrt: Jede gespeicherte Kopie ist vollständig und liest sich so, wie sie ausgeblendet wurde.</translation>
    </message>
    <message>
        <source>vaultDamaged</source>
        <translation>Bei %1 von %2 ausgeblendeten Objekten fehlt die gespeicherte Kopie oder ist beschädigt. Lassen Sie den Tresorordner unverändert und stellen Sie diese Objekte aus einer Sicherung wieder her:</translation>
    </message>
    <message>
        <source>general_checkBox4</source>
        <translation>Bei Bildschirmsperre und Standby sperren</translation>
    </message>
    <message>
        <source>advanced_eraseNote</source>
        <translation>SSDs und Copy-on-Write-Dateisysteme (etwa Btrfs oder ZFS) können unerreichbare Kopien überschriebener Daten behalten. Davor schützt eine Vollverschlüsselung des Laufwerks.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Main</name>
    <message>
        <source>GroupFileTypeTitle</source>
        <translation>FICHIERS</translation>
    </message>
    <message>
        <source>group_AllFiles</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>group_SECURENOTES</source>
        <translation>NOTES SÉCURISÉES</translation>
    </message>
    <message>
        <source>group_Allnotes</source>
        <translation>Toutes les notes</translation>
    </message>
    <message>
        <source>monthiItem1.stringValue</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>monthiItem2.stringValue</source>
        <translation>Février</translation>
    </message>
    <message>
        <source>monthiItem3.stringValue</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>monthiItem4.stringValue</source>
        <translation>Avril</translation>
    </message>
    <message>
        <source>monthiItem5.stringValue</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>monthiItem6.stringValue</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>monthiItem7.stringValue</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>monthiItem8.stringValue</source>
        <translation>Août</translation>
    </message>
    <message>
        <source>monthiItem9.stringValue</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>monthiItem10.stringValue</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>monthiItem11.stringValue</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>monthiItem12.stringValue</source>
        <translation>Décembre</translation>
    </message>
    <message>
        <source>weekItem1.stringValue</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>weekItem2.stringValue</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>weekItem3.stringValue</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>weekItem4.stringValue</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>weekItem5.stringValue</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>weekItem6.stringValue</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>weekItem7.stringValue</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>listUnreadable.title</source>
        <translation>La liste du coffre n’a pas pu être lue</translation>
    </message>
    <message>
        <source>listUnreadable.message</source>
        <translation>Vexo a conservé la liste illisible à côté, avec « unreadable » dans son nom, et en a commencé une nouvelle. Vos éléments masqués sont toujours stockés dans le dossier du coffre :</translation>
    </message>
    <message>
        <source>okBtn.Title</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>encrypted.stringvalue</source>
        <translation>masqué</translation>
    </message>
    <message>
        <source>process.text</source>
        <translation>Traitement…</translation>
    </message>
    <message>
        <source>ProgressState</source>
        <translation>Environ %1 s restantes</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>hideFailed.title</source>
        <translation>L’élément n’a pas pu être masqué. Il est toujours visible à son emplacement et rien n’a été supprimé.</translation>
    </message>
    <message>
        <source>unhideFailed.title</source>
        <translation>L’élément n’a pas pu être restauré. Il reste masqué dans le coffre ; rien n’a été perdu.</translation>
    </message>
    <message>
        <source>error_md5_message</source>
        <translation>L’élément restauré diffère de celui qui a été masqué : il reste marqué comme masqué et sa copie stockée est conservée. Empreinte de ce qui a été restauré</translation>
    </message>
    <message>
        <source>wenxintishi</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>fileRemovedMessage</source>
        <translation>Cet élément n’est plus à son emplacement, ou son disque n’est plus là.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>needTotalSize.Title</source>
        <translation>Espace libre insuffisant sur le disque : %1 Mo sont nécessaires.</translation>
    </message>
    <message>
        <source>passordMessage</source>
        <translation>Le coffre de ce disque a son propre mot de passe. Saisissez-le pour ouvrir le coffre.</translation>
    </message>
    <message>
        <source>addFristBtn.string</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>addSecondBtn.string</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>clickPassword</source>
        <translation>Mot de passe du coffre</translation>
    </message>
    <message>
        <source>passworderror</source>
        <translation>Le mot de passe est incorrect.</translation>
    </message>
    <message>
        <source>group_Item4</source>
        <translation>Nouveau groupe</translation>
    </message>
    <message>
        <source>VAULTName.string</source>
        <translation>COFFRE %1</translation>
    </message>
    <message>
        <source>removeitemformlistmessage.text</source>
        <translation>Retirer cet élément de la liste ?</translation>
    </message>
    <message>
        <source>removeitemformlistinfomation.text</source>
        <translation>L’élément est masqué. Il est d’abord affiché et remis à son emplacement, puis retiré de la liste. Le fichier lui-même est conservé.</translation>
    </message>
    <message>
        <source>PasswordSucOk.StringValue</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel.StringValue</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>addRefused.title</source>
        <translation>Certains éléments n’ont pas été ajoutés</translation>
    </message>
    <message>
        <source>moreFailures.text</source>
        <translation>… et %1 de plus</translation>
    </message>
    <message>
        <source>CreateFolderErrorTitle</source>
        <translation>Le dossier du coffre ne peut pas être utilisé</translation>
    </message>
    <message>
        <source>CreateFolderErrorMessage</source>
        <translation>Le dossier du coffre est introuvable ou se trouve sur un disque dont Vexo ne peut pas écrire le système de fichiers (NTFS).</translation>
    </message>
    <message>
        <source>NTFErrorTitle</source>
        <translation>Les disques NTFS ne sont pas pris en charge</translation>
    </message>
    <message>
        <source>NTFErrorMessage</source>
        <translation>Vexo ne peut pas conserver un coffre sur un disque NTFS. Utilisez un disque formaté en exFAT, FAT32 ou avec un système de fichiers Linux.</translation>
    </message>
    <message>
        <source>addMessage.string</source>
        <translation>Le disque « %1 » n’a pas encore de coffre. En créer un pour masquer ces éléments sur le disque ?</translation>
    </message>
    <message>
        <source>addMessage1.string</source>
        <translation>Le disque « %1 » contient déjà un dossier de coffre qui n’est pas ouvert. Créer un nouveau coffre ou en sélectionner un existant ?</translation>
    </message>
    <message>
        <source>addInfomation.string</source>
        <translation>Les éléments d’un disque amovible sont conservés dans un coffre sur ce même disque, pour que le disque puisse passer d’un ordinateur à l’autre.</translation>
    </message>
    <message>
        <source>Newlybuild.string</source>
        <translation>Créer un nouveau</translation>
    </message>
    <message>
        <source>Selectexisting.string</source>
        <translation>Sélectionner un existant</translation>
    </message>
    <message>
        <source>selectsecurityMessage</source>
        <translation>Sélectionnez le dossier du coffre (.vlt) sur le disque</translation>
    </message>
    <message>
        <source>createFolderMessage</source>
        <translation>Nommez le nouveau coffre</translation>
    </message>
    <message>
        <source>clickvaultName</source>
        <translation>Nom du coffre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>vaultInUse.title</source>
        <translation>Le coffre est ouvert dans un autre programme</translation>
    </message>
    <message>
        <source>vaultInUse.message</source>
        <translation>Vexo ou vexo-cli a déjà ouvert ce coffre. Fermez-le d’abord là-bas, puis réessayez.</translation>
    </message>
    <message>
        <source>cli.alreadyHidden</source>
        <translation>%1 est déjà masqué.</translation>
    </message>
    <message>
        <source>cli.alreadyVisible</source>
        <translation>%1 est déjà visible.</translation>
    </message>
    <message>
        <source>cli.alreadyInVault</source>
        <translation>%1 : déjà dans le coffre ; ignoré.</translation>
    </message>
    <message>
        <source>cli.alreadySetUp</source>
        <translation>Un coffre est déjà configuré, dans %1. Utilisez vexo-cli passwd pour changer son mot de passe.</translation>
    </message>
    <message>
        <source>cli.answeredNo</source>
        <translation>Aucun terminal pour répondre : choix de « %1 ».</translation>
    </message>
    <message>
        <source>cli.askHint</source>
        <translation>Indice du mot de passe :</translation>
    </message>
    <message>
        <source>cli.askNewPassword</source>
        <translation>Nouveau mot de passe principal :</translation>
    </message>
    <message>
        <source>cli.askOldPassword</source>
        <translation>Mot de passe principal actuel :</translation>
    </message>
    <message>
        <source>cli.askPassword</source>
        <translation>Mot de passe principal :</translation>
    </message>
    <message>
        <source>cli.askRepeatPassword</source>
        <translation>Répétez le nouveau mot de passe :</translation>
    </message>
    <message>
        <source>cli.badNumber</source>
        <translation>« %1 » n’est pas un nombre supérieur ou égal à 1.</translation>
    </message>
    <message>
        <source>cli.cancelled</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>cli.chooseNumber</source>
        <translation>Choisissez entre 1 et %1 :</translation>
    </message>
    <message>
        <source>cli.driveVaultOpened</source>
        <translation>Coffre du disque %1 ouvert.</translation>
    </message>
    <message>
        <source>cli.emptyGroupName</source>
        <translation>Un groupe doit avoir un nom.</translation>
    </message>
    <message>
        <source>cli.emptyHint</source>
        <translation>Un indice de mot de passe est nécessaire ; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>cli.emptyPassword</source>
        <translation>Le mot de passe ne doit pas être vide ; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>cli.extraArgument</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>cli.groupCreated</source>
        <translation>Groupe %1 créé, « %2 ».</translation>
    </message>
    <message>
        <source>cli.groupFixed</source>
        <translation>Le groupe %1 est un groupe « tous » : il ne peut être ni renommé ni supprimé.</translation>
    </message>
    <message>
        <source>cli.hidden</source>
        <translation>Masqué : %1</translation>
    </message>
    <message>
        <source>cli.missingArgument</source>
        <translation>Il manque un argument.</translation>
    </message>
    <message>
        <source>cli.noCommand</source>
        <translation>Aucune commande indiquée.</translation>
    </message>
    <message>
        <source>cli.noItems</source>
        <translation>Aucun élément.</translation>
    </message>
    <message>
        <source>cli.noSuchGroup</source>
        <translation>Il n’y a pas de groupe %1 ; voir vexo-cli groups.</translation>
    </message>
    <message>
        <source>cli.noSuchItem</source>
        <translation>%1 : aucun élément de ce nom dans le coffre ; voir vexo-cli list.</translation>
    </message>
    <message>
        <source>cli.noTerminal</source>
        <translation>Aucun terminal pour demander le mot de passe ; fournissez-le sur l’entrée standard avec --password-stdin.</translation>
    </message>
    <message>
        <source>cli.noVault</source>
        <translation>Aucun coffre n’est encore configuré pour cet utilisateur. Créez-en un avec : vexo-cli init DIR</translation>
    </message>
    <message>
        <source>cli.notHidden</source>
        <translation>Non masqué : %1</translation>
    </message>
    <message>
        <source>cli.notRemoved</source>
        <translation>Non retiré : %1</translation>
    </message>
    <message>
        <source>cli.noteGroup</source>
        <translation>Le groupe %1 contient des notes sécurisées, pas des fichiers.</translation>
    </message>
    <message>
        <source>cli.optionNeedsValue</source>
        <translation>L’option %1 nécessite une valeur.</translation>
    </message>
    <message>
        <source>cli.passwordChanged</source>
        <translation>Mot de passe modifié.</translation>
    </message>
    <message>
        <source>cli.passwordsDiffer</source>
        <translation>Les deux mots de passe diffèrent ; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>cli.progressBytes</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>cli.progressLeft</source>
        <translation>%1 s restantes</translation>
    </message>
    <message>
        <source>cli.progressRate</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>cli.removed</source>
        <translation>Retiré : %1</translation>
    </message>
    <message>
        <source>cli.sectionDrive</source>
        <translation>Coffre du disque %1</translation>
    </message>
    <message>
        <source>cli.sectionLocal</source>
        <translation>Coffre sur cet ordinateur</translation>
    </message>
    <message>
        <source>cli.sectionNotes</source>
        <translation>Notes sécurisées</translation>
    </message>
    <message>
        <source>cli.seeHelp</source>
        <translation>Voir %1.</translation>
    </message>
    <message>
        <source>cli.stateHidden</source>
        <translation>masqué</translation>
    </message>
    <message>
        <source>cli.stateVisible</source>
        <translation>visible</translation>
    </message>
    <message>
        <source>cli.statusDriveVault</source>
        <translation>Coffre du disque %1 : %2 éléments, %3 masqués</translation>
    </message>
    <message>
        <source>cli.statusItems</source>
        <translation>Éléments : %1 (%2 masqués, %3 visibles)</translation>
    </message>
    <message>
        <source>cli.statusNotOpenElsewhere</source>
        <translation>Ouvert dans un autre programme : non</translation>
    </message>
    <message>
        <source>cli.statusOpenElsewhere</source>
        <translation>Ouvert dans un autre programme : oui</translation>
    </message>
    <message>
        <source>cli.statusVault</source>
        <translation>Coffre : %1</translation>
    </message>
    <message>
        <source>cli.storeDamaged</source>
        <translation>endommagé : %1 : %2</translation>
    </message>
    <message>
        <source>cli.storeMissing</source>
        <translation>manquant : %1</translation>
    </message>
    <message>
        <source>cli.unhidden</source>
        <translation>Affiché : %1</translation>
    </message>
    <message>
        <source>cli.unknownCommand</source>
        <translation>Commande inconnue « %1 ».</translation>
    </message>
    <message>
        <source>cli.unknownGroupAction</source>
        <translation>Action de groupe inconnue « %1 » : utilisez add, rename ou delete.</translation>
    </message>
    <message>
        <source>cli.unknownOption</source>
        <translation>Option inconnue %1.</translation>
    </message>
    <message>
        <source>cli.unknownSort</source>
        <translation>Ordre de tri inconnu « %1 » : utilisez added, name, path, size, state ou created.</translation>
    </message>
    <message>
        <source>cli.vaultCreated</source>
        <translation>Coffre créé dans %1</translation>
    </message>
    <message>
        <source>cli.verified</source>
        <translation>%1 éléments masqués vérifiés, %2 avec des problèmes.</translation>
    </message>
    <message>
        <source>cli.wrongPassword</source>
        <translation>Mot de passe incorrect.</translation>
    </message>
    <message>
        <source>passwordFaileMessage.StringValue</source>
        <translation>Le mot de passe actuel est incorrect.</translation>
    </message>
    <message>
        <source>passwordSucMessage.StringValue</source>
        <translation>Votre nouveau mot de passe a été enregistré, mais il est faible.</translation>
    </message>
    <message>
        <source>passwordSucInfomation.StringValue</source>
        <translation>Un mot de passe plus long mêlant lettres, chiffres et autres caractères est bien plus difficile à deviner.</translation>
    </message>
    <message>
        <source>cli.help</source>
        <translation>Utilisation : vexo-cli [--password-stdin] COMMAND [ARGS]

Agit sur le même coffre que l’application de bureau Vexo.

Commandes :
  init DIR [--hint TEXT]   crée le dossier du coffre et définit le mot de passe principal
  status [--json]          le coffre, ses éléments et s’il est ouvert dans un autre programme
  groups [--json]          chaque groupe avec son numéro et son nombre d’éléments
  group add NAME | group rename N NAME | group delete N
  list [--group N] [--sort added|name|path|size|state|created] [--desc]
       [--search TEXT] [--json]
  add [--group N] [--vault-name NAME] PATH...   ajoute fichiers et dossiers et les masque
  hide ITEM... | unhide ITEM...                  ITEM : un numéro de list, ou un chemin
  remove ITEM... [--yes]   retire des éléments de la liste (affiche d’abord ceux masqués)
  verify [ITEM...] [--json]   vérifie les copies stockées des éléments masqués, sans écrire
  passwd                   change le mot de passe principal

Options :
  --password-stdin   lit le mot de passe, puis chaque réponse, une ligne chacun,
                     sur l’entrée standard au lieu du terminal
  --help             ce texte ; COMMAND --help pour celui d’une commande

Code de sortie : 0 terminé, 1 une opération a échoué, 2 mauvaise utilisation,
3 mauvais mot de passe, 4 le coffre est ouvert dans un autre programme.</translation>
    </message>
    <message>
        <source>cli.help.init</source>
        <translation>Utilisation : vexo-cli init DIR [--hint TEXT]

Crée le dossier du coffre DIR (« .vlt » est ajouté si le nom ne l’a pas ; un
dossier existant est utilisé tel quel) et définit le mot de passe principal,
demandé deux fois. --hint enregistre un indice. Refusé si un coffre existe déjà.</translation>
    </message>
    <message>
        <source>cli.help.status</source>
        <translation>Utilisation : vexo-cli status [--json]

Affiche le dossier du coffre, le nombre d’éléments masqués et visibles, les
coffres de disque ouverts, et si un autre programme (l’application de bureau
ou un autre vexo-cli) a ouvert le coffre. Fonctionne aussi dans ce cas.</translation>
    </message>
    <message>
        <source>cli.help.groups</source>
        <translation>Utilisation : vexo-cli groups [--json]

Liste tous les groupes : ceux du coffre, de chaque coffre de disque ouvert et
des notes sécurisées. Utilisez les numéros avec list --group, add --group et group.</translation>
    </message>
    <message>
        <source>cli.help.group</source>
        <translation>Utilisation : vexo-cli group add NAME
              vexo-cli group rename N NAME
              vexo-cli group delete N

Ajoute un groupe au coffre, renomme le groupe N ou le supprime. Les éléments d’un
groupe supprimé vont dans « Tous les fichiers ». Les groupes « tous » sont fixes.</translation>
    </message>
    <message>
        <source>cli.help.list</source>
        <translation>Utilisation : vexo-cli list [--group N] [--sort KEY] [--desc] [--search TEXT] [--json]

Liste les éléments de chaque coffre ouvert, ou ceux qu’affiche le groupe N. KEY vaut
added (par défaut), name, path, size, state ou created ; --desc inverse l’ordre.
--search garde les éléments dont le nom contient TEXT, sans tenir compte de la casse.
Les numéros restent les mêmes quel que soit l’ordre : hide, unhide, remove et
verify les acceptent.</translation>
    </message>
    <message>
        <source>cli.help.add</source>
        <translation>Utilisation : vexo-cli add [--group N] [--vault-name NAME] PATH...

Ajoute des fichiers et des dossiers au coffre et les masque. Les éléments d’un disque
amovible vont dans le coffre de ce disque ; si aucun n’y est ouvert, un nouveau est
créé, nommé NAME (ou selon votre réponse ; « Vault.vlt » sans nom donné).
Ajouter un dossier de coffre de disque (un dossier « .vlt » sur un disque) ouvre ce coffre.
--group N place les nouveaux éléments dans le groupe N.</translation>
    </message>
    <message>
        <source>cli.help.hide</source>
        <translation>Utilisation : vexo-cli hide ITEM...

Masque les éléments : chacun est stocké dans le coffre et retiré de son emplacement.
ITEM est un numéro de vexo-cli list ou le chemin de l’élément (écrivez ./NAME pour un
fichier dont le nom est un nombre). Ctrl-C annule l’élément en cours de masquage, qui
reste tel quel, et arrête.</translation>
    </message>
    <message>
        <source>cli.help.unhide</source>
        <translation>Utilisation : vexo-cli unhide ITEM...

Remet les éléments à leur emplacement et vérifie qu’ils sont revenus
inchangés. ITEM est un numéro de vexo-cli list ou le chemin de l’élément. Ctrl-C
annule l’élément en cours de restauration, qui reste masqué, et arrête.</translation>
    </message>
    <message>
        <source>cli.help.remove</source>
        <translation>Utilisation : vexo-cli remove ITEM... [--yes]

Retire les éléments de la liste du coffre. Un élément masqué est d’abord affiché,
après votre confirmation ; --yes confirme pour vous (nécessaire sans terminal).</translation>
    </message>
    <message>
        <source>cli.help.verify</source>
        <translation>Utilisation : vexo-cli verify [ITEM...] [--json]

Vérifie que la copie stockée de chaque élément masqué (ou des éléments donnés) est
complète et se relit telle qu’elle a été masquée. N’écrit rien. Code de sortie 1 si
une copie manque ou est endommagée.</translation>
    </message>
    <message>
        <source>cli.help.passwd</source>
        <translation>Utilisation : vexo-cli passwd

Change le mot de passe principal : demande l’actuel, le nouveau deux fois
et un indice. Les éléments masqués auparavant restent utilisables avec le nouveau.</translation>
    </message>
    <message>
        <source>oneTitle.stringValue</source>
        <translation>Bienvenue dans Vexo</translation>
    </message>
    <message>
        <source>oneDesc1Label.stringValue</source>
        <translation>Gardez vos fichiers et dossiers privés en un seul endroit sûr.</translation>
    </message>
    <message>
        <source>oneDesc2Label.stringValue</source>
        <translation>Les éléments masqués sont stockés chiffrés dans votre coffre.</translation>
    </message>
    <message>
        <source>twoTitle.stringValue</source>
        <translation>Rassemblez vos fichiers</translation>
    </message>
    <message>
        <source>twoDesc1Label.stringValue</source>
        <translation>Faites glisser des fichiers et des dossiers dans la fenêtre, ou ajoutez-les avec le bouton +.</translation>
    </message>
    <message>
        <source>twoDesc2Label.stringValue</source>
        <translation>Classez-les dans vos propres groupes.</translation>
    </message>
    <message>
        <source>twoDesc3Label.stringValue</source>
        <translation>Les éléments restent à leur place jusqu’à ce que vous les masquiez.</translation>
    </message>
    <message>
        <source>twoDesc4Label.stringValue</source>
        <translation>Les fichiers d’un disque amovible restent sur ce disque.</translation>
    </message>
    <message>
        <source>twoDesc5Label.stringValue</source>
        <translation>Recherchez et triez pour retrouver rapidement n’importe quel élément.</translation>
    </message>
    <message>
        <source>threTitle.stringValue</source>
        <translation>Masquez d’un seul geste</translation>
    </message>
    <message>
        <source>threDesc1Label.stringValue</source>
        <translation>Basculez un élément sur masqué et il disparaît de son dossier.</translation>
    </message>
    <message>
        <source>threDesc2Label.stringValue</source>
        <translation>Rebasculez-le et il revient exactement tel qu’il était.</translation>
    </message>
    <message>
        <source>sixTitleLabel.stringValue</source>
        <translation>Notes sécurisées</translation>
    </message>
    <message>
        <source>sixDescLabel.stringValue</source>
        <translation>Écrivez des notes que vous seul pouvez lire.</translation>
    </message>
    <message>
        <source>sixDesc2Label.stringValue</source>
        <translation>Elles sont conservées dans le coffre avec vos fichiers.</translation>
    </message>
    <message>
        <source>fiveTitleLabel.stringValue</source>
        <translation>Créez votre coffre</translation>
    </message>
    <message>
        <source>fiveDesc1Label.stringValue</source>
        <translation>Choisissez un mot de passe principal. Il vous sera demandé à chaque ouverture de Vexo.</translation>
    </message>
    <message>
        <source>fiveDesc2Label.stringValue</source>
        <translation>Un mot de passe oublié ne peut pas être récupéré.</translation>
    </message>
    <message>
        <source>fiveDesc3Label.stringValue</source>
        <translation>Un indice vous aide à vous en souvenir.</translation>
    </message>
    <message>
        <source>password_TextField.placeholderString</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>sourepassword_TextField.placeholderString</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>passwordhint.placeholderString</source>
        <translation>Indice du mot de passe</translation>
    </message>
    <message>
        <source>remmenberBtn.title</source>
        <translation>Mémoriser le mot de passe</translation>
    </message>
    <message>
        <source>Next.text</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>createVaultBtn.title</source>
        <translation>Créer le coffre</translation>
    </message>
    <message>
        <source>closeBtn.title</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>SavePanel.message</source>
        <translation>Choisissez où créer le dossier de votre coffre.</translation>
    </message>
    <message>
        <source>AppName.text</source>
        <translation>Vexo</translation>
    </message>
    <message>
        <source>passwordTextField.placeholderString</source>
        <translation>Saisissez le mot de passe</translation>
    </message>
    <message>
        <source>passwordtishiLabelstringValue</source>
        <translation>Saisissez votre mot de passe principal pour déverrouiller le coffre.</translation>
    </message>
    <message>
        <source>passwordhint1.placeholderString</source>
        <translation>Mot de passe oublié ?</translation>
    </message>
    <message>
        <source>passwordkeyphale</source>
        <translation>Le mot de passe ne peut pas être récupéré. Vérifiez la disposition du clavier et la touche Verr. Maj, puis réessayez attentivement.</translation>
    </message>
    <message>
        <source>chooser.allFiles</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>languageIcon</source>
        <translation>fr</translation>
    </message>
    <message>
        <source>cli.vaultMissing</source>
        <translation>Le dossier du coffre %1 est introuvable. Son disque est-il branché, ou le dossier a-t-il été déplacé ? Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>cli.noPassword</source>
        <translation>Aucun mot de passe fourni.</translation>
    </message>
    <message>
        <source>cli.driveVaultNotOpened</source>
        <translation>%1 n’a pas été ouvert comme coffre de disque.</translation>
    </message>
    <message>
        <source>cli.noteGroupKept</source>
        <translation>Le groupe %1 contient des notes sécurisées : supprimez-le dans l’application de bureau, où ses notes sont affichées.</translation>
    </message>
    <message>
        <source>ProMenuItem1.title</source>
        <translation>À propos de Vexo</translation>
    </message>
    <message>
        <source>ProMenuItem3.title</source>
        <translation>Quitter Vexo</translation>
    </message>
    <message>
        <source>LanguageBtnTitle</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>FilemenuItem.title</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>FilemenuItem1.title</source>
        <translation>Ajouter des fichiers…</translation>
    </message>
    <message>
        <source>FilemenuItem2.title</source>
        <translation>Nouvelle note</translation>
    </message>
    <message>
        <source>FilemenuItem3.title</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>FilemenuItem4.title</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>EditmenuItem.title</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>EditmenuItem1.title</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>EditmenuItem2.title</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>EditmenuItem3.title</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>EditmenuItem4.title</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>EditmenuItem5.title</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>EditmenuItem6.title</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>EditmenuItem7.title</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>EditmenuItem9.title</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>EditmenuItem12.title</source>
        <translation>Transformations</translation>
    </message>
    <message>
        <source>Edit-FindMenuItem1.title</source>
        <translation>Rechercher…</translation>
    </message>
    <message>
        <source>Edit-TransformationMenuItem1.title</source>
        <translation>Mettre en majuscules</translation>
    </message>
    <message>
        <source>Edit-TransformationMenuItem2.title</source>
        <translation>Mettre en minuscules</translation>
    </message>
    <message>
        <source>Edit-TransformationMenuItem3.title</source>
        <translation>Mettre une majuscule initiale</translation>
    </message>
    <message>
        <source>FormatmenuItem.title</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>FormatmenuItem1.title</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>FormatmenuItem2.title</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Format-FontMenuItem1.text</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Format-FontMenuItem2.text</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Format-FontMenuItem3.text</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Format-FontMenuItem4.text</source>
        <translation>Plus grand</translation>
    </message>
    <message>
        <source>Format-FontMenuItem5.text</source>
        <translation>Plus petit</translation>
    </message>
    <message>
        <source>Format-TextMenuItem1.text</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <source>Format-TextMenuItem2.text</source>
        <translation>Centrer</translation>
    </message>
    <message>
        <source>Format-TextMenuItem3.text</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <source>PasswordMenuItem.title</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>PasswordMenuItem1.title</source>
        <translation>Verrouiller Vexo</translation>
    </message>
    <message>
        <source>WindowMenuItem.title</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>WindowMenuItem1.title</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>WindowMenuItem2.title</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>WindowMenuItem3.title</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>HelpMenuItem.title</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>HelpMenuItem2.title</source>
        <translation>Afficher le tutoriel</translation>
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
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>SortBtn.title</source>
        <translation>Trier par : %1</translation>
    </message>
    <message>
        <source>SortbyItem1</source>
        <translation>Date d’ajout</translation>
    </message>
    <message>
        <source>file_Item0</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>file_Item1</source>
        <translation>Tout masquer</translation>
    </message>
    <message>
        <source>file_Item2</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>file_Item3</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>file_Item4</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>vaultRecreated.title</source>
        <translation>Le dossier du coffre était introuvable et a été recréé, vide</translation>
    </message>
    <message>
        <source>vaultRecreated.message</source>
        <translation>Si votre coffre se trouve sur un disque ou un partage qui n’est pas connecté, quittez Vexo, supprimez ce dossier vide, connectez le disque et relancez Vexo. Rien de votre coffre n’a été modifié.</translation>
    </message>
    <message>
        <source>visableLabel.stringValue</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>hideState.text</source>
        <translation>Masqué</translation>
    </message>
    <message>
        <source>unhideState.text</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>groupChildFile_Item0</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>groupChildFile_Item1</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>groupChildFile_Item2</source>
        <translation>Lire les informations</translation>
    </message>
    <message>
        <source>groupChildFile_Item3</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>groupChildFile_Item4</source>
        <translation>Retirer de la liste</translation>
    </message>
    <message>
        <source>SortbyItem2</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>SortbyItem3</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>SortbyItem4</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>SortbyItem5</source>
        <translation>État</translation>
    </message>
    <message>
        <source>SortbyItem6</source>
        <translation>Date de création</translation>
    </message>
    <message>
        <source>SortbyItem7</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>SortbyItem8</source>
        <translation>Décroissant</translation>
    </message>
    <message>
        <source>group_Item1</source>
        <translation>Masquer tous les éléments</translation>
    </message>
    <message>
        <source>group_Item2</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>group_Item3</source>
        <translation>Supprimer le groupe</translation>
    </message>
    <message>
        <source>AddItemPlString</source>
        <translation>Ajouter un groupe</translation>
    </message>
    <message>
        <source>oldPasswordLabel.stringValue</source>
        <translation>Mot de passe actuel :</translation>
    </message>
    <message>
        <source>nowPasswordLabel.stringValue</source>
        <translation>Nouveau mot de passe :</translation>
    </message>
    <message>
        <source>verifyLabel.stringValue</source>
        <translation>Confirmation :</translation>
    </message>
    <message>
        <source>passwordHitLabel.stringValue</source>
        <translation>Indice :</translation>
    </message>
    <message>
        <source>changeVltPassword</source>
        <translation>Changer le mot de passe de %1</translation>
    </message>
    <message>
        <source>changePassword</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>changePasswordBtn.title</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>ProceedAnyway.StringValue</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>passwordMessage.StringValue</source>
        <translation>Changer le mot de passe principal ?</translation>
    </message>
    <message>
        <source>passwordInfomation.StringValue</source>
        <translation>Désormais, Vexo ne s’ouvre qu’avec le nouveau mot de passe. Les éléments masqués avant le changement s’affichent comme avant.</translation>
    </message>
    <message>
        <source>passwordNotSaved.StringValue</source>
        <translation>Le nouveau mot de passe n’a pas pu être enregistré. L’ancien mot de passe ouvre toujours Vexo.</translation>
    </message>
    <message>
        <source>drivePasswordNotSaved</source>
        <translation>Le nouveau mot de passe n’a pas pu être écrit dans le coffre du disque %1. Il garde son ancien mot de passe.</translation>
    </message>
    <message>
        <source>PasswordMenuItem2.title</source>
        <translation>Changer le mot de passe…</translation>
    </message>
    <message>
        <source>note_Item1</source>
        <translation>Supprimer la note</translation>
    </message>
    <message>
        <source>note_Item2</source>
        <translation>Nouvelle note</translation>
    </message>
    <message>
        <source>NotesSortbyItem1</source>
        <translation>Date d’ajout</translation>
    </message>
    <message>
        <source>NotesSortbyItem2</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>NotesSortbyItem3</source>
        <translation>Date de création</translation>
    </message>
    <message>
        <source>NotesSortbyItem4</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>NotesSortbyItem5</source>
        <translation>Décroissant</translation>
    </message>
    <message>
        <source>noteNotSaved</source>
        <translation>La note « %1 » n’a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>Format-FontMenuItem10.text</source>
        <translation>Afficher les polices</translation>
    </message>
    <message>
        <source>Format-FontMenuItem11.text</source>
        <translation>Afficher les couleurs</translation>
    </message>
    <message>
        <source>ProMenuItem2.title</source>
        <translation>Préférences…</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>general_checkBox1</source>
        <translation>Afficher l’assistant dans la barre de menus</translation>
    </message>
    <message>
        <source>general_checkBox2</source>
        <translation>Lancer l’assistant à l’ouverture de session</translation>
    </message>
    <message>
        <source>general_checkBox3</source>
        <translation>Envoyer des données d’utilisation anonymes</translation>
    </message>
    <message>
        <source>general_p1_item0</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>general_p1_item1</source>
        <translation>Après 30 secondes</translation>
    </message>
    <message>
        <source>general_p1_item2</source>
        <translation>Après 1 minute</translation>
    </message>
    <message>
        <source>general_p1_item3</source>
        <translation>Après 5 minutes</translation>
    </message>
    <message>
        <source>general_p1_item4</source>
        <translation>Après 15 minutes</translation>
    </message>
    <message>
        <source>general_p2_item0</source>
        <translation>Verrouiller le coffre</translation>
    </message>
    <message>
        <source>general_p2_item1</source>
        <translation>Verrouiller le coffre et fermer ses fenêtres</translation>
    </message>
    <message>
        <source>general_p2_item2</source>
        <translation>Verrouiller le coffre et l’assistant</translation>
    </message>
    <message>
        <source>general_descTitleLabel1</source>
        <translation>Verrouiller en cas d’inactivité :</translation>
    </message>
    <message>
        <source>general_descLabel1</source>
        <translation>Le coffre se verrouille après être resté inutilisé pendant cette durée.</translation>
    </message>
    <message>
        <source>general_descTitleLabel2</source>
        <translation>En quittant :</translation>
    </message>
    <message>
        <source>general_descLabel2</source>
        <translation>Le coffre est toujours verrouillé au démarrage suivant.</translation>
    </message>
    <message>
        <source>password_checkBox1</source>
        <translation>Verrouiller le coffre avant une sauvegarde</translation>
    </message>
    <message>
        <source>password_descLabel</source>
        <translation>Le mot de passe principal ouvre le coffre. Changez-le ici ; l’indice vous aide à vous en souvenir.</translation>
    </message>
    <message>
        <source>password_ChangeBtn.stringvalue</source>
        <translation>Changer le mot de passe…</translation>
    </message>
    <message>
        <source>advanced_CheckBox1</source>
        <translation>Effacer de façon sécurisée les données restantes après le masquage</translation>
    </message>
    <message>
        <source>advanced_CheckBox2</source>
        <translation>Montrer les fichiers rendus visibles depuis l’assistant de la barre de menus</translation>
    </message>
    <message>
        <source>advanced_CheckBox3</source>
        <translation>Montrer les fichiers rendus visibles depuis la fenêtre principale</translation>
    </message>
    <message>
        <source>advanced_Item0</source>
        <translation>Une passe de zéros</translation>
    </message>
    <message>
        <source>advanced_Item1</source>
        <translation>Une passe de données aléatoires</translation>
    </message>
    <message>
        <source>advanced_Item2</source>
        <translation>Trois passes</translation>
    </message>
    <message>
        <source>advanced_descTitleLabel1</source>
        <translation>Effacement sécurisé :</translation>
    </message>
    <message>
        <source>advanced_descTitleLabel2</source>
        <translation>Lors de l’affichage :</translation>
    </message>
    <message>
        <source>advanced_descTitleLabel3</source>
        <translation>Dossier du coffre :</translation>
    </message>
    <message>
        <source>advanced_descLabel</source>
        <translation>Les fichiers masqués et les notes sont conservés dans ce dossier.</translation>
    </message>
    <message>
        <source>changePathBtn.stringValue</source>
        <translation>Déplacer…</translation>
    </message>
    <message>
        <source>Error_Changepath_Title</source>
        <translation>Impossible de déplacer le dossier du coffre.</translation>
    </message>
    <message>
        <source>Error_Changepath_Message</source>
        <translation>Le coffre reste où il était, avec tout son contenu.</translation>
    </message>
    <message>
        <source>vaultMoveBusy</source>
        <translation>Attendez la fin du masquage et de l’affichage des éléments, puis déplacez le coffre.</translation>
    </message>
    <message>
        <source>vaultMoveLeftBehind</source>
        <translation>Le coffre se trouve désormais dans %1, mais son ancien dossier n’a pas pu être entièrement supprimé. Vous pouvez supprimer ce qu’il en reste :</translation>
    </message>
    <message>
        <source>vaultMove.title</source>
        <translation>Déplacement du coffre</translation>
    </message>
    <message>
        <source>vaultMove.message</source>
        <translation>Déplacement du coffre vers %1…</translation>
    </message>
    <message>
        <source>HelpMenuItem1.title</source>
        <translation>Aide de Vexo</translation>
    </message>
    <message>
        <source>kHelpUrl</source>
        <translation>qrc:/help/help.fr.html</translation>
    </message>
    <message>
        <source>FilemenuItem5.title</source>
        <translation>Vérifier les éléments masqués…</translation>
    </message>
    <message>
        <source>vaultHealthy</source>
        <translation>Les %1 éléments masqués sont intacts : chaque copie stockée est complète et se relit telle qu’elle a été masquée.</translation>
    </message>
    <message>
        <source>vaultDamaged</source>
        <translation>%1 éléments masqués sur %2 ont une copie stockée manquante ou endommagée. Laissez le dossier du coffre tel quel et restaurez ces éléments depuis une sauvegarde :</translation>
    </message>
    <message>
        <source>general_checkBox4</source>
        <translation>Verrouiller avec l’écran et à la mise en veille</translation>
    </message>
    <message>
        <source>advanced_eraseNote</source>
        <translation>Les SSD et les systèmes de fichiers à copie sur écriture (Btrfs, ZFS…) peuvent garder hors d’atteinte des copies des données écrasées. Le chiffrement intégral du disque vous en protège.</translation>
    </message>
</context>
</TS>

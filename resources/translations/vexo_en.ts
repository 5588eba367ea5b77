<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Main</name>
    <message>
        <source>GroupFileTypeTitle</source>
        <translation>FILES</translation>
    </message>
    <message>
        <source>group_AllFiles</source>
        <translation>All Files</translation>
    </message>
    <message>
        <source>group_SECURENOTES</source>
        <translation>SECURE NOTES</translation>
    </message>
    <message>
        <source>group_Allnotes</source>
        <translation>All Notes</translation>
    </message>
    <message>
        <source>monthiItem1.stringValue</source>
        <translation>January</translation>
    </message>
    <message>
        <source>monthiItem2.stringValue</source>
        <translation>February</translation>
    </message>
    <message>
        <source>monthiItem3.stringValue</source>
        <translation>March</translation>
    </message>
    <message>
        <source>monthiItem4.stringValue</source>
        <translation>April</translation>
    </message>
    <message>
        <source>monthiItem5.stringValue</source>
        <translation>May</translation>
    </message>
    <message>
        <source>monthiItem6.stringValue</source>
        <translation>June</translation>
    </message>
    <message>
        <source>monthiItem7.stringValue</source>
        <translation>July</translation>
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
        <translation>October</translation>
    </message>
    <message>
        <source>monthiItem11.stringValue</source>
        <translation>November</translation>
    </message>
    <message>
        <source>monthiItem12.stringValue</source>
        <translation>December</translation>
    </message>
    <message>
        <source>weekItem1.stringValue</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>weekItem2.stringValue</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>weekItem3.stringValue</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>weekItem4.stringValue</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>weekItem5.stringValue</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>weekItem6.stringValue</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>weekItem7.stringValue</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>listUnreadable.title</source>
        <translation>The vault's list could not be read</translation>
    </message>
    <message>
        <source>listUnreadable.message</source>
        <translation>Vexo kept the unreadable list beside it, with "unreadable" in its name, and started a new one. Your hidden items are still stored in the vault folder:</translation>
    </message>
    <message>
        <source>okBtn.Title</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>encrypted.stringvalue</source>
        <translation>hidden</translation>
    </message>
    <message>
        <source>process.text</source>
        <translation>Processing…</translation>
    </message>
    <message>
        <source>ProgressState</source>
        <translation>About %1 s left</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>hideFailed.title</source>
        <translation>The item could not be hidden. It is still visible at its place and nothing was deleted.</translation>
    </message>
    <message>
        <source>unhideFailed.title</source>
        <translation>The item could not be restored. It stays hidden in the vault; nothing was lost.</translation>
    </message>
    <message>
        <source>error_md5_message</source>
        <translation>The restored item differs from the one that was hidden, so it stays marked hidden and its stored copy is kept. Digest of what came back</translation>
    </message>
    <message>
        <source>wenxintishi</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>fileRemovedMessage</source>
        <translation>This item is no longer at its place, or its drive is gone.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>needTotalSize.Title</source>
        <translation>Not enough free space on the drive: %1 MB are needed.</translation>
    </message>
    <message>
        <source>passordMessage</source>
        <translation>This drive's vault has its own password. Enter it to open the vault.</translation>
    </message>
    <message>
        <source>addFristBtn.string</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>addSecondBtn.string</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>clickPassword</source>
        <translation>Vault password</translation>
    </message>
    <message>
        <source>passworderror</source>
        <translation>The password is not correct.</translation>
    </message>
    <message>
        <source>group_Item4</source>
        <translation>New Group</translation>
    </message>
    <message>
        <source>VAULTName.string</source>
        <translation>%1 VAULT</translation>
    </message>
    <message>
        <source>removeitemformlistmessage.text</source>
        <translation>Remove this item from the list?</translation>
    </message>
    <message>
        <source>removeitemformlistinfomation.text</source>
        <translation>The item is hidden. It is unhidden and put back at its place first; then it leaves the list. The file itself is kept.</translation>
    </message>
    <message>
        <source>PasswordSucOk.StringValue</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel.StringValue</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>addRefused.title</source>
        <translation>Some items were not added</translation>
    </message>
    <message>
        <source>moreFailures.text</source>
        <translation>…and %1 more</translation>
    </message>
    <message>
        <source>CreateFolderErrorTitle</source>
        <translation>The vault folder cannot be used</translation>
    </message>
    <message>
        <source>CreateFolderErrorMessage</source>
        <translation>The vault folder is missing or lies on a drive whose file system Vexo cannot write to (NTFS).</translation>
    </message>
    <message>
        <source>NTFErrorTitle</source>
        <translation>NTFS drives are not supported</translation>
    </message>
    <message>
        <source>NTFErrorMessage</source>
        <translation>Vexo cannot keep a vault on an NTFS drive. Use a drive formatted as exFAT, FAT32 or a Linux file system.</translation>
    </message>
    <message>
        <source>addMessage.string</source>
        <translation>The drive “%1” has no vault yet. Create one to hide these items on the drive?</translation>
    </message>
    <message>
        <source>addMessage1.string</source>
        <translation>The drive “%1” already has a vault folder that is not open. Create a new vault or select an existing one?</translation>
    </message>
    <message>
        <source>addInfomation.string</source>
        <translation>Items on a removable drive are kept in a vault on that same drive, so the drive can move between computers.</translation>
    </message>
    <message>
        <source>Newlybuild.string</source>
        <translation>Create New</translation>
    </message>
    <message>
        <source>Selectexisting.string</source>
        <translation>Select Existing</translation>
    </message>
    <message>
        <source>selectsecurityMessage</source>
        <translation>Select the vault folder (.vlt) on the drive</translation>
    </message>
    <message>
        <source>createFolderMessage</source>
        <translation>Name the new vault</translation>
    </message>
    <message>
        <source>clickvaultName</source>
        <translation>Vault name</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>vaultInUse.title</source>
        <translation>The vault is open in another program</translation>
    </message>
    <message>
        <source>vaultInUse.message</source>
        <translation>Vexo or vexo-cli already has this vault open. Close it there first, then try again.</translation>
    </message>
    <message>
        <source>cli.alreadyHidden</source>
        <translation>%1 is hidden already.</translation>
    </message>
    <message>
        <source>cli.alreadyVisible</source>
        <translation>%1 is visible already.</translation>
    </message>
    <message>
        <source>cli.alreadyInVault</source>
        <translation>%1: already in the vault; left out.</translation>
    </message>
    <message>
        <source>cli.alreadySetUp</source>
        <translation>A vault is set up already, at %1. Use vexo-cli passwd to change its password.</translation>
    </message>
    <message>
        <source>cli.answeredNo</source>
        <translation>No terminal to answer on: taking “%1”.</translation>
    </message>
    <message>
        <source>cli.askHint</source>
        <translation>Password hint:</translation>
    </message>
    <message>
        <source>cli.askNewPassword</source>
        <translation>New master password:</translation>
    </message>
    <message>
        <source>cli.askOldPassword</source>
        <translation>Current master password:</translation>
    </message>
    <message>
        <source>cli.askPassword</source>
        <translation>Master password:</translation>
    </message>
    <message>
        <source>cli.askRepeatPassword</source>
        <translation>Repeat the new password:</translation>
    </message>
    <message>
        <source>cli.badNumber</source>
        <translation>“%1” is not a number from 1 up.</translation>
    </message>
    <message>
        <source>cli.cancelled</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>cli.chooseNumber</source>
        <translation>Choose 1 to %1:</translation>
    </message>
    <message>
        <source>cli.driveVaultOpened</source>
        <translation>Opened the drive vault %1.</translation>
    </message>
    <message>
        <source>cli.emptyGroupName</source>
        <translation>A group needs a name.</translation>
    </message>
    <message>
        <source>cli.emptyHint</source>
        <translation>A password hint is needed; nothing was changed.</translation>
    </message>
    <message>
        <source>cli.emptyPassword</source>
        <translation>The password must not be empty; nothing was changed.</translation>
    </message>
    <message>
        <source>cli.extraArgument</source>
        <translation>Unexpected argument “%1”.</translation>
    </message>
    <message>
        <source>cli.groupCreated</source>
        <translation>Created group %1, “%2”.</translation>
    </message>
    <message>
        <source>cli.groupFixed</source>
        <translation>Group %1 is an “all” group: it cannot be renamed or deleted.</translation>
    </message>
    <message>
        <source>cli.hidden</source>
        <translation>Hidden: %1</translation>
    </message>
    <message>
        <source>cli.missingArgument</source>
        <translation>An argument is missing.</translation>
    </message>
    <message>
        <source>cli.noCommand</source>
        <translation>No command given.</translation>
    </message>
    <message>
        <source>cli.noItems</source>
        <translation>No items.</translation>
    </message>
    <message>
        <source>cli.noSuchGroup</source>
        <translation>There is no group %1; see vexo-cli groups.</translation>
    </message>
    <message>
        <source>cli.noSuchItem</source>
        <translation>%1: no such item in the vault; see vexo-cli list.</translation>
    </message>
    <message>
        <source>cli.noTerminal</source>
        <translation>No terminal to ask for the password on; give it on standard input with --password-stdin.</translation>
    </message>
    <message>
        <source>cli.noVault</source>
        <translation>No vault is set up for this user yet. Make one with: vexo-cli init DIR</translation>
    </message>
    <message>
        <source>cli.notHidden</source>
        <translation>Not hidden: %1</translation>
    </message>
    <message>
        <source>cli.notRemoved</source>
        <translation>Not removed: %1</translation>
    </message>
    <message>
        <source>cli.noteGroup</source>
        <translation>Group %1 holds secure notes, not files.</translation>
    </message>
    <message>
        <source>cli.optionNeedsValue</source>
        <translation>The option %1 needs a value.</translation>
    </message>
    <message>
        <source>cli.passwordChanged</source>
        <translation>Password changed.</translation>
    </message>
    <message>
        <source>cli.passwordsDiffer</source>
        <translation>The two passwords differ; nothing was changed.</translation>
    </message>
    <message>
        <source>cli.progressBytes</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>cli.progressLeft</source>
        <translation>%1 s left</translation>
    </message>
    <message>
        <source>cli.progressRate</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>cli.removed</source>
        <translation>Removed: %1</translation>
    </message>
    <message>
        <source>cli.sectionDrive</source>
        <translation>Drive vault %1</translation>
    </message>
    <message>
        <source>cli.sectionLocal</source>
        <translation>Vault on this computer</translation>
    </message>
    <message>
        <source>cli.sectionNotes</source>
        <translation>Secure notes</translation>
    </message>
    <message>
        <source>cli.seeHelp</source>
        <translation>See %1.</translation>
    </message>
    <message>
        <source>cli.stateHidden</source>
        <translation>hidden</translation>
    </message>
    <message>
        <source>cli.stateVisible</source>
        <translation>visible</translation>
    </message>
    <message>
        <source>cli.statusDriveVault</source>
        <translation>Drive vault %1: %2 items, %3 hidden</translation>
    </message>
    <message>
        <source>cli.statusItems</source>
        <translation>Items: %1 (%2 hidden, %3 visible)</translation>
    </message>
    <message>
        <source>cli.statusNotOpenElsewhere</source>
        <translation>Open in another program: no</translation>
    </message>
    <message>
        <source>cli.statusOpenElsewhere</source>
        <translation>Open in another program: yes</translation>
    </message>
    <message>
        <source>cli.statusVault</source>
        <translation>Vault: %1</translation>
    </message>
    <message>
        <source>cli.storeDamaged</source>
        <translation>damaged: %1: %2</translation>
    </message>
    <message>
        <source>cli.storeMissing</source>
        <translation>missing: %1</translation>
    </message>
    <message>
        <source>cli.unhidden</source>
        <translation>Unhidden: %1</translation>
    </message>
    <message>
        <source>cli.unknownCommand</source>
        <translation>Unknown command “%1”.</translation>
    </message>
    <message>
        <source>cli.unknownGroupAction</source>
        <translation>Unknown group action “%1”: use add, rename or delete.</translation>
    </message>
    <message>
        <source>cli.unknownOption</source>
        <translation>Unknown option %1.</translation>
    </message>
    <message>
        <source>cli.unknownSort</source>
        <translation>Unknown sort order “%1”: use added, name, path, size, state or created.</translation>
    </message>
    <message>
        <source>cli.vaultCreated</source>
        <translation>Vault created at %1</translation>
    </message>
    <message>
        <source>cli.verified</source>
        <translation>%1 hidden items checked, %2 with problems.</translation>
    </message>
    <message>
        <source>cli.wrongPassword</source>
        <translation>Wrong password.</translation>
    </message>
    <message>
        <source>passwordFaileMessage.StringValue</source>
        <translation>The current password is wrong.</translation>
    </message>
    <message>
        <source>passwordSucMessage.StringValue</source>
        <translation>Your new password has been saved, but it is weak.</translation>
    </message>
    <message>
        <source>passwordSucInfomation.StringValue</source>
        <translation>A longer password that mixes letters, digits and other characters is much harder to guess.</translation>
    </message>
    <message>
        <source>cli.help</source>
        <translation>Usage: vexo-cli [--password-stdin] COMMAND [ARGS]

Works on the same vault as the Vexo desktop application.

Commands:
  init DIR [--hint TEXT]   create the vault folder and set the master password
  status [--json]          the vault, its items and whether another program has it open
  groups [--json]          every group with its number and item count
  group add NAME | group rename N NAME | group delete N
  list [--group N] [--sort added|name|path|size|state|created] [--desc]
       [--search TEXT] [--json]
  add [--group N] [--vault-name NAME] PATH...   add files and folders and hide them
  hide ITEM... | unhide ITEM...                  ITEM: a number from list, or a path
  remove ITEM... [--yes]   take items off the list (a hidden one is unhidden first)
  verify [ITEM...] [--json]   check hidden items' stored copies, writing nothing
  passwd                   change the master password

Options:
  --password-stdin   read the password, and every later answer, one line each
                     from standard input instead of the terminal
  --help             this text; COMMAND --help for a command's own

Exit status: 0 done, 1 an operation failed, 2 wrong usage, 3 wrong password,
4 the vault is open in another program.</translation>
    </message>
    <message>
        <source>cli.help.init</source>
        <translation>Usage: vexo-cli init DIR [--hint TEXT]

Creates the vault folder DIR (".vlt" is added when the name lacks it; an
existing folder is used as it is) and sets the master password, asked twice.
--hint stores a password hint. Refused when a vault is set up already.</translation>
    </message>
    <message>
        <source>cli.help.status</source>
        <translation>Usage: vexo-cli status [--json]

Shows the vault folder, how many items it holds, hidden and visible, the
drive vaults open, and whether another program (the desktop application or
another vexo-cli) has the vault open. Works while it is open elsewhere too.</translation>
    </message>
    <message>
        <source>cli.help.groups</source>
        <translation>Usage: vexo-cli groups [--json]

Lists every group: the vault's, each open drive vault's and the secure
notes'. Use the numbers with list --group, add --group and group.</translation>
    </message>
    <message>
        <source>cli.help.group</source>
        <translation>Usage: vexo-cli group add NAME
       vexo-cli group rename N NAME
       vexo-cli group delete N

Adds a group to the vault, renames group N or deletes it. The items of a
deleted group move to "All files". The "all" groups cannot be changed.</translation>
    </message>
    <message>
        <source>cli.help.list</source>
        <translation>Usage: vexo-cli list [--group N] [--sort KEY] [--desc] [--search TEXT] [--json]

Lists the items of every open vault, or those group N shows. KEY is added
(the default), name, path, size, state or created; --desc reverses the
order. --search keeps the items whose name holds TEXT, letter case aside.
The numbers stay the same whatever the order: hide, unhide, remove and
verify take them.</translation>
    </message>
    <message>
        <source>cli.help.add</source>
        <translation>Usage: vexo-cli add [--group N] [--vault-name NAME] PATH...

Adds files and folders to the vault and hides them. Items on a removable
drive go to the drive's own vault; when the drive has none open, a new one
is made, named NAME (or as you answer; "Vault.vlt" when you give no name).
Adding a drive vault folder (a ".vlt" folder on a drive) opens that vault.
--group N puts the new items in group N.</translation>
    </message>
    <message>
        <source>cli.help.hide</source>
        <translation>Usage: vexo-cli hide ITEM...

Hides the items: each is stored in the vault and removed from its place.
ITEM is a number from vexo-cli list or the item's path (write ./NAME for a
file whose name is a number). Ctrl-C cancels the item being hidden, which
stays as it was, and stops.</translation>
    </message>
    <message>
        <source>cli.help.unhide</source>
        <translation>Usage: vexo-cli unhide ITEM...

Puts the items back at their places and checks that they came back
unchanged. ITEM is a number from vexo-cli list or the item's path. Ctrl-C
cancels the item being restored, which stays hidden, and stops.</translation>
    </message>
    <message>
        <source>cli.help.remove</source>
        <translation>Usage: vexo-cli remove ITEM... [--yes]

Takes the items off the vault's list. A hidden item is unhidden first,
after you confirm; --yes confirms for you (needed without a terminal).</translation>
    </message>
    <message>
        <source>cli.help.verify</source>
        <translation>Usage: vexo-cli verify [ITEM...] [--json]

Checks that the stored copy of every hidden item (or of the items given) is
complete and reads back as it was hidden. Writes nothing. Exit status 1 when
a copy is missing or damaged.</translation>
    </message>
    <message>
        <source>cli.help.passwd</source>
        <translation>Usage: vexo-cli passwd

Changes the master password: asks for the current one, the new one twice
and a hint. Items hidden before keep working with the new password.</translation>
    </message>
    <message>
        <source>oneTitle.stringValue</source>
        <translation>Welcome to Vexo</translation>
    </message>
    <message>
        <source>oneDesc1Label.stringValue</source>
        <translation>Keep private files and folders in one safe place.</translation>
    </message>
    <message>
        <source>oneDesc2Label.stringValue</source>
        <translation>Hidden items are stored enciphered inside your vault.</translation>
    </message>
    <message>
        <source>twoTitle.stringValue</source>
        <translation>Gather your files</translation>
    </message>
    <message>
        <source>twoDesc1Label.stringValue</source>
        <translation>Drag files and folders into the window, or add them with the + button.</translation>
    </message>
    <message>
        <source>twoDesc2Label.stringValue</source>
        <translation>Sort them into groups of your own.</translation>
    </message>
    <message>
        <source>twoDesc3Label.stringValue</source>
        <translation>Items stay where they are until you hide them.</translation>
    </message>
    <message>
        <source>twoDesc4Label.stringValue</source>
        <translation>Files on a removable drive stay on that drive.</translation>
    </message>
    <message>
        <source>twoDesc5Label.stringValue</source>
        <translation>Search and sort to find any item quickly.</translation>
    </message>
    <message>
        <source>threTitle.stringValue</source>
        <translation>Hide with one switch</translation>
    </message>
    <message>
        <source>threDesc1Label.stringValue</source>
        <translation>Switch an item to hidden and it disappears from its folder.</translation>
    </message>
    <message>
        <source>threDesc2Label.stringValue</source>
        <translation>Switch it back and it returns exactly as it was.</translation>
    </message>
    <message>
        <source>sixTitleLabel.stringValue</source>
        <translation>Secure notes</translation>
    </message>
    <message>
        <source>sixDescLabel.stringValue</source>
        <translation>Write notes that only you can read.</translation>
    </message>
    <message>
        <source>sixDesc2Label.stringValue</source>
        <translation>They are kept in the vault with your files.</translation>
    </message>
    <message>
        <source>fiveTitleLabel.stringValue</source>
        <translation>Create your vault</translation>
    </message>
    <message>
        <source>fiveDesc1Label.stringValue</source>
        <translation>Choose a master password. You need it every time you open Vexo.</translation>
    </message>
    <message>
        <source>fiveDesc2Label.stringValue</source>
        <translation>There is no way to recover a forgotten password.</translation>
    </message>
    <message>
        <source>fiveDesc3Label.stringValue</source>
        <translation>A hint helps you remember it.</translation>
    </message>
    <message>
        <source>password_TextField.placeholderString</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>sourepassword_TextField.placeholderString</source>
        <translation>Confirm password</translation>
    </message>
    <message>
        <source>passwordhint.placeholderString</source>
        <translation>Password hint</translation>
    </message>
    <message>
        <source>remmenberBtn.title</source>
        <translation>Remember password</translation>
    </message>
    <message>
        <source>Next.text</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>createVaultBtn.title</source>
        <translation>Create Vault</translation>
    </message>
    <message>
        <source>closeBtn.title</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>SavePanel.message</source>
        <translation>Choose where your vault folder is created.</translation>
    </message>
    <message>
        <source>AppName.text</source>
        <translation>Vexo</translation>
    </message>
    <message>
        <source>passwordTextField.placeholderString</source>
        <translation>Enter password</translation>
    </message>
    <message>
        <source>passwordtishiLabelstringValue</source>
        <translation>Enter your master password to unlock the vault.</translation>
    </message>
    <message>
        <source>passwordhint1.placeholderString</source>
        <translation>Forgot your password?</translation>
    </message>
    <message>
        <source>passwordkeyphale</source>
        <translation>The password cannot be recovered. Check the keyboard layout and Caps Lock, and try again carefully.</translation>
    </message>
    <message>
        <source>chooser.allFiles</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>languageIcon</source>
        <translation>en</translation>
    </message>
    <message>
        <source>cli.vaultMissing</source>
        <translation>The vault folder %1 is not there. Is its drive connected, or was the folder moved? Nothing was changed.</translation>
    </message>
    <message>
        <source>cli.noPassword</source>
        <translation>No password given.</translation>
    </message>
    <message>
        <source>cli.driveVaultNotOpened</source>
        <translation>%1 was not opened as a drive vault.</translation>
    </message>
    <message>
        <source>cli.noteGroupKept</source>
        <translation>Group %1 holds secure notes: delete it in the desktop application, where its notes are shown.</translation>
    </message>
    <message>
        <source>ProMenuItem1.title</source>
        <translation>About Vexo</translation>
    </message>
    <message>
        <source>ProMenuItem3.title</source>
        <translation>Quit Vexo</translation>
    </message>
    <message>
        <source>LanguageBtnTitle</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>FilemenuItem.title</source>
        <translation>File</translation>
    </message>
    <message>
        <source>FilemenuItem1.title</source>
        <translation>Add Files…</translation>
    </message>
    <message>
        <source>FilemenuItem2.title</source>
        <translation>New Note</translation>
    </message>
    <message>
        <source>FilemenuItem3.title</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>FilemenuItem4.title</source>
        <translation>Unhide</translation>
    </message>
    <message>
        <source>EditmenuItem.title</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>EditmenuItem1.title</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>EditmenuItem2.title</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>EditmenuItem3.title</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>EditmenuItem4.title</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>EditmenuItem5.title</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>EditmenuItem6.title</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>EditmenuItem7.title</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>EditmenuItem9.title</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>EditmenuItem12.title</source>
        <translation>Transformations</translation>
    </message>
    <message>
        <source>Edit-FindMenuItem1.title</source>
        <translation>Find…</translation>
    </message>
    <message>
        <source>Edit-TransformationMenuItem1.title</source>
        <translation>Make Upper Case</translation>
    </message>
    <message>
        <source>Edit-TransformationMenuItem2.title</source>
        <translation>Make Lower Case</translation>
    </message>
    <message>
        <source>Edit-TransformationMenuItem3.title</source>
        <translation>Capitalize</translation>
    </message>
    <message>
        <source>FormatmenuItem.title</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>FormatmenuItem1.title</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>FormatmenuItem2.title</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Format-FontMenuItem1.text</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Format-FontMenuItem2.text</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Format-FontMenuItem3.text</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>Format-FontMenuItem4.text</source>
        <translation>Bigger</translation>
    </message>
    <message>
        <source>Format-FontMenuItem5.text</source>
        <translation>Smaller</translation>
    </message>
    <message>
        <source>Format-TextMenuItem1.text</source>
        <translation>Align Left</translation>
    </message>
    <message>
        <source>Format-TextMenuItem2.text</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>Format-TextMenuItem3.text</source>
        <translation>Align Right</translation>
    </message>
    <message>
        <source>PasswordMenuItem.title</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>PasswordMenuItem1.title</source>
        <translation>Lock Vexo</translation>
    </message>
    <message>
        <source>WindowMenuItem.title</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>WindowMenuItem1.title</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>WindowMenuItem2.title</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>WindowMenuItem3.title</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <source>HelpMenuItem.title</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>HelpMenuItem2.title</source>
        <translation>Show Tutorial</translation>
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
        <translation>Lock</translation>
    </message>
    <message>
        <source>SortBtn.title</source>
        <translation>Sort by %1</translation>
    </message>
    <message>
        <source>SortbyItem1</source>
        <translation>Date Added</translation>
    </message>
    <message>
        <source>file_Item0</source>
        <translation>Unhide All</translation>
    </message>
    <message>
        <source>file_Item1</source>
        <translation>Hide All</translation>
    </message>
    <message>
        <source>file_Item2</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>file_Item3</source>
        <translation>Unhide</translation>
    </message>
    <message>
        <source>file_Item4</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>vaultRecreated.title</source>
        <translation>The vault folder was missing and has been made again, empty</translation>
    </message>
    <message>
        <source>vaultRecreated.message</source>
        <translation>If your vault lies on a drive or share that is not connected, quit Vexo, remove this empty folder, connect the drive and start Vexo again. Nothing of your vault has been changed.</translation>
    </message>
    <message>
        <source>visableLabel.stringValue</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>hideState.text</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>unhideState.text</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>groupChildFile_Item0</source>
        <translation>Unhide</translation>
    </message>
    <message>
        <source>groupChildFile_Item1</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>groupChildFile_Item2</source>
        <translation>Get Info</translation>
    </message>
    <message>
        <source>groupChildFile_Item3</source>
        <translation>Show in Folder</translation>
    </message>
    <message>
        <source>groupChildFile_Item4</source>
        <translation>Remove from List</translation>
    </message>
    <message>
        <source>SortbyItem2</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>SortbyItem3</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>SortbyItem4</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>SortbyItem5</source>
        <translation>State</translation>
    </message>
    <message>
        <source>SortbyItem6</source>
        <translation>Date Created</translation>
    </message>
    <message>
        <source>SortbyItem7</source>
        <translation>Ascending</translation>
    </message>
    <message>
        <source>SortbyItem8</source>
        <translation>Descending</translation>
    </message>
    <message>
        <source>group_Item1</source>
        <translation>Hide All Items</translation>
    </message>
    <message>
        <source>group_Item2</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>group_Item3</source>
        <translation>Delete Group</translation>
    </message>
    <message>
        <source>AddItemPlString</source>
        <translation>Add Group</translation>
    </message>
    <message>
        <source>oldPasswordLabel.stringValue</source>
        <translation>Current password:</translation>
    </message>
    <message>
        <source>nowPasswordLabel.stringValue</source>
        <translation>New password:</translation>
    </message>
    <message>
        <source>verifyLabel.stringValue</source>
        <translation>Verify:</translation>
    </message>
    <message>
        <source>passwordHitLabel.stringValue</source>
        <translation>Hint:</translation>
    </message>
    <message>
        <source>changeVltPassword</source>
        <translation>Change the Password of %1</translation>
    </message>
    <message>
        <source>changePassword</source>
        <translation>Change Password</translation>
    </message>
    <message>
        <source>changePasswordBtn.title</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>ProceedAnyway.StringValue</source>
        <translation>Change Password</translation>
    </message>
    <message>
        <source>passwordMessage.StringValue</source>
        <translation>Change the master password?</translation>
    </message>
    <message>
        <source>passwordInfomation.StringValue</source>
        <translation>From now on Vexo opens only with the new password. Items hidden before the change unhide as before.</translation>
    </message>
    <message>
        <source>passwordNotSaved.StringValue</source>
        <translation>The new password could not be saved. The old password still opens Vexo.</translation>
    </message>
    <message>
        <source>drivePasswordNotSaved</source>
        <translation>The new password could not be written to the drive vault %1. It keeps its old password.</translation>
    </message>
    <message>
        <source>PasswordMenuItem2.title</source>
        <translation>Change Password…</translation>
    </message>
    <message>
        <source>note_Item1</source>
        <translation>Delete Note</translation>
    </message>
    <message>
        <source>note_Item2</source>
        <translation>New Note</translation>
    </message>
    <message>
        <source>NotesSortbyItem1</source>
        <translation>Date Added</translation>
    </message>
    <message>
        <source>NotesSortbyItem2</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>NotesSortbyItem3</source>
        <translation>Date Created</translation>
    </message>
    <message>
        <source>NotesSortbyItem4</source>
        <translation>Ascending</translation>
    </message>
    <message>
        <source>NotesSortbyItem5</source>
        <translation>Descending</translation>
    </message>
    <message>
        <source>noteNotSaved</source>
        <translation>The note “%1” could not be saved.</translation>
    </message>
    <message>
        <source>Format-FontMenuItem10.text</source>
        <translation>Show Fonts</translation>
    </message>
    <message>
        <source>Format-FontMenuItem11.text</source>
        <translation>Show Colors</translation>
    </message>
    <message>
        <source>ProMenuItem2.title</source>
        <translation>Preferences…</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>general_checkBox1</source>
        <translation>Show the assistant in the menu bar</translation>
    </message>
    <message>
        <source>general_checkBox2</source>
        <translation>Start the assistant at login</translation>
    </message>
    <message>
        <source>general_checkBox3</source>
        <translation>Send anonymous usage data</translation>
    </message>
    <message>
        <source>general_p1_item0</source>
        <translation>Never</translation>
    </message>
    <message>
        <source>general_p1_item1</source>
        <translation>After 30 seconds</translation>
    </message>
    <message>
        <source>general_p1_item2</source>
        <translation>After 1 minute</translation>
    </message>
    <message>
        <source>general_p1_item3</source>
        <translation>After 5 minutes</translation>
    </message>
    <message>
        <source>general_p1_item4</source>
        <translation>After 15 minutes</translation>
    </message>
    <message>
        <source>general_p2_item0</source>
        <translation>Lock the vault</translation>
    </message>
    <message>
        <source>general_p2_item1</source>
        <translation>Lock the vault and close its windows</translation>
    </message>
    <message>
        <source>general_p2_item2</source>
        <translation>Lock the vault and the assistant</translation>
    </message>
    <message>
        <source>general_descTitleLabel1</source>
        <translation>Lock when idle:</translation>
    </message>
    <message>
        <source>general_descLabel1</source>
        <translation>The vault locks when it has been left untouched this long.</translation>
    </message>
    <message>
        <source>general_descTitleLabel2</source>
        <translation>When quitting:</translation>
    </message>
    <message>
        <source>general_descLabel2</source>
        <translation>The vault is always locked at the next start.</translation>
    </message>
    <message>
        <source>password_checkBox1</source>
        <translation>Lock the vault before a backup</translation>
    </message>
    <message>
        <source>password_descLabel</source>
        <translation>The master password opens the vault. Change it here; the hint helps you remember it.</translation>
    </message>
    <message>
        <source>password_ChangeBtn.stringvalue</source>
        <translation>Change Password…</translation>
    </message>
    <message>
        <source>advanced_CheckBox1</source>
        <translation>Erase remaining file data securely after hiding</translation>
    </message>
    <message>
        <source>advanced_CheckBox2</source>
        <translation>Show files unhidden from the menu bar assistant</translation>
    </message>
    <message>
        <source>advanced_CheckBox3</source>
        <translation>Show files unhidden from the main window</translation>
    </message>
    <message>
        <source>advanced_Item0</source>
        <translation>One pass of zeros</translation>
    </message>
    <message>
        <source>advanced_Item1</source>
        <translation>One pass of random data</translation>
    </message>
    <message>
        <source>advanced_Item2</source>
        <translation>Three passes</translation>
    </message>
    <message>
        <source>advanced_descTitleLabel1</source>
        <translation>Secure erase:</translation>
    </message>
    <message>
        <source>advanced_descTitleLabel2</source>
        <translation>When unhiding:</translation>
    </message>
    <message>
        <source>advanced_descTitleLabel3</source>
        <translation>Vault folder:</translation>
    </message>
    <message>
        <source>advanced_descLabel</source>
        <translation>Hidden files and notes are kept in this folder.</translation>
    </message>
    <message>
        <source>changePathBtn.stringValue</source>
        <translation>Move…</translation>
    </message>
    <message>
        <source>Error_Changepath_Title</source>
        <translation>The vault folder could not be moved.</translation>
    </message>
    <message>
        <source>Error_Changepath_Message</source>
        <translation>The vault stays where it was, with everything in it.</translation>
    </message>
    <message>
        <source>vaultMoveBusy</source>
        <translation>Wait until hiding and unhiding have finished, then move the vault.</translation>
    </message>
    <message>
        <source>vaultMoveLeftBehind</source>
        <translation>The vault now lies in %1, but its old folder could not be removed completely. You may delete what is left of it:</translation>
    </message>
    <message>
        <source>vaultMove.title</source>
        <translation>Moving the Vault</translation>
    </message>
    <message>
        <source>vaultMove.message</source>
        <translation>Moving the vault to %1…</translation>
    </message>
    <message>
        <source>HelpMenuItem1.title</source>
        <translation>Vexo Help</translation>
    </message>
    <message>
        <source>kHelpUrl</source>
        <translation>qrc:/help/help.en.html</translation>
    </message>
    <message>
        <source>FilemenuItem5.title</source>
        <translation>Check Hidden Items…</translation>
    </message>
    <message>
        <source>vaultHealthy</source>
        <translation>All %1 hidden items are whole: every stored copy is complete and reads back as it was hidden.</translation>
    </message>
    <message>
        <source>vaultDamaged</source>
        <translation>%1 of %2 hidden items have a stored copy that is missing or damaged. Keep the vault folder as it is and restore these items from a backup:</translation>
    </message>
    <message>
        <source>general_checkBox4</source>
        <translation>Lock when the screen locks or before sleep</translation>
    </message>
    <message>
        <source>advanced_eraseNote</source>
        <translation>SSDs and copy-on-write file systems (such as Btrfs or ZFS) may keep copies of overwritten data out of reach. Full-disk encryption protects against that.</translation>
    </message>
</context>
</TS>

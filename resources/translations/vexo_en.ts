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
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Main</name>
    <message>
        <source>GroupFileTypeTitle</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>group_AllFiles</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>group_SECURENOTES</source>
        <translation>セキュアノート</translation>
    </message>
    <message>
        <source>group_Allnotes</source>
        <translation>すべてのノート</translation>
    </message>
    <message>
        <source>monthiItem1.stringValue</source>
        <translation>1月</translation>
    </message>
    <message>
        <source>monthiItem2.stringValue</source>
        <translation>2月</translation>
    </message>
    <message>
        <source>monthiItem3.stringValue</source>
        <translation>3月</translation>
    </message>
    <message>
        <source>monthiItem4.stringValue</source>
        <translation>4月</translation>
    </message>
    <message>
        <source>monthiItem5.stringValue</source>
        <translation>5月</translation>
    </message>
    <message>
        <source>monthiItem6.stringValue</source>
        <translation>6月</translation>
    </message>
    <message>
        <source>monthiItem7.stringValue</source>
        <translation>7月</translation>
    </message>
    <message>
        <source>monthiItem8.stringValue</source>
        <translation>8月</translation>
    </message>
    <message>
        <source>monthiItem9.stringValue</source>
        <translation>9月</translation>
    </message>
    <message>
        <source>monthiItem10.stringValue</source>
        <translation>10月</translation>
    </message>
    <message>
        <source>monthiItem11.stringValue</source>
        <translation>11月</translation>
    </message>
    <message>
        <source>monthiItem12.stringValue</source>
        <translation>12月</translation>
    </message>
    <message>
        <source>weekItem1.stringValue</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>weekItem2.stringValue</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>weekItem3.stringValue</source>
        <translation>火曜日</translation>
    </message>
    <message>
        <source>weekItem4.stringValue</source>
        <translation>水曜日</translation>
    </message>
    <message>
        <source>weekItem5.stringValue</source>
        <translation>木曜日</translation>
    </message>
    <message>
        <source>weekItem6.stringValue</source>
        <translation>金曜日</translation>
    </message>
    <message>
        <source>weekItem7.stringValue</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>listUnreadable.title</source>
        <translation>保管庫のリストを読み込めませんでした</translation>
    </message>
    <message>
        <source>listUnreadable.message</source>
        <translation>Vexo は読み込めなかったリストを、名前に「unreadable」を付けてそのそばに残し、新しいリストを作成しました。非表示にした項目は引き続き保管庫フォルダに保存されています：</translation>
    </message>
    <message>
        <source>okBtn.Title</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>encrypted.stringvalue</source>
        <translation>非表示</translation>
    </message>
    <message>
        <source>process.text</source>
        <translation>処理中…</translation>
    </message>
    <message>
        <source>ProgressState</source>
        <translation>残り約 %1 秒</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセルしました</translation>
    </message>
    <message>
        <source>hideFailed.title</source>
        <translation>項目を非表示にできませんでした。項目は元の場所に表示されたままで、何も削除されていません。</translation>
    </message>
    <message>
        <source>unhideFailed.title</source>
        <translation>項目を復元できませんでした。項目は保管庫内で非表示のままで、何も失われていません。</translation>
    </message>
    <message>
        <source>error_md5_message</source>
        <translation>復元した項目が非表示にしたときと異なるため、項目は非表示のままとし、保存されたコピーを残します。復元された内容のダイジェスト</translation>
    </message>
    <message>
        <source>wenxintishi</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>fileRemovedMessage</source>
        <translation>この項目は元の場所にないか、ドライブが取り外されています。</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>needTotalSize.Title</source>
        <translation>ドライブの空き容量が足りません：%1 MB 必要です。</translation>
    </message>
    <message>
        <source>passordMessage</source>
        <translation>このドライブの保管庫には専用のパスワードがあります。保管庫を開くにはパスワードを入力してください。</translation>
    </message>
    <message>
        <source>addFristBtn.string</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>addSecondBtn.string</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>clickPassword</source>
        <translation>保管庫のパスワード</translation>
    </message>
    <message>
        <source>passworderror</source>
        <translation>パスワードが正しくありません。</translation>
    </message>
    <message>
        <source>group_Item4</source>
        <translation>新規グループ</translation>
    </message>
    <message>
        <source>VAULTName.string</source>
        <translation>%1 保管庫</translation>
    </message>
    <message>
        <source>removeitemformlistmessage.text</source>
        <translation>この項目をリストから取り除きますか？</translation>
    </message>
    <message>
        <source>removeitemformlistinfomation.text</source>
        <translation>この項目は非表示です。まず表示に戻して元の場所に置いてから、リストから取り除きます。ファイル自体は残ります。</translation>
    </message>
    <message>
        <source>PasswordSucOk.StringValue</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel.StringValue</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>addRefused.title</source>
        <translation>一部の項目は追加されませんでした</translation>
    </message>
    <message>
        <source>moreFailures.text</source>
        <translation>…ほか %1 件</translation>
    </message>
    <message>
        <source>CreateFolderErrorTitle</source>
        <translation>保管庫フォルダを使用できません</translation>
    </message>
    <message>
        <source>CreateFolderErrorMessage</source>
        <translation>保管庫フォルダが見つからないか、Vexo が書き込めないファイルシステム（NTFS）のドライブ上にあります。</translation>
    </message>
    <message>
        <source>NTFErrorTitle</source>
        <translation>NTFS ドライブには対応していません</translation>
    </message>
    <message>
        <source>NTFErrorMessage</source>
        <translation>Vexo は NTFS ドライブに保管庫を置くことができません。exFAT、FAT32、または Linux のファイルシステムでフォーマットされたドライブを使用してください。</translation>
    </message>
    <message>
        <source>addMessage.string</source>
        <translation>ドライブ「%1」にはまだ保管庫がありません。保管庫を作成して、これらの項目をドライブ上で非表示にしますか？</translation>
    </message>
    <message>
        <source>addMessage1.string</source>
        <translation>ドライブ「%1」には、開いていない保管庫フォルダがすでにあります。新しい保管庫を作成しますか？それとも既存の保管庫を選択しますか？</translation>
    </message>
    <message>
        <source>addInfomation.string</source>
        <translation>リムーバブルドライブ上の項目は同じドライブ上の保管庫に保存されるため、ドライブを別のコンピュータに持ち運べます。</translation>
    </message>
    <message>
        <source>Newlybuild.string</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Selectexisting.string</source>
        <translation>既存のものを選択</translation>
    </message>
    <message>
        <source>selectsecurityMessage</source>
        <translation>ドライブ上の保管庫フォルダ（.vlt）を選択してください</translation>
    </message>
    <message>
        <source>createFolderMessage</source>
        <translation>新しい保管庫の名前を入力してください</translation>
    </message>
    <message>
        <source>clickvaultName</source>
        <translation>保管庫の名前</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>vaultInUse.title</source>
        <translation>保管庫は別のプログラムで開かれています</translation>
    </message>
    <message>
        <source>vaultInUse.message</source>
        <translation>Vexo または vexo-cli がこの保管庫をすでに開いています。先にそちらで閉じてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>cli.alreadyHidden</source>
        <translation>%1 はすでに非表示です。</translation>
    </message>
    <message>
        <source>cli.alreadyVisible</source>
        <translation>%1 はすでに表示されています。</translation>
    </message>
    <message>
        <source>cli.alreadyInVault</source>
        <translation>%1: すでに保管庫にあるため、スキップしました。</translation>
    </message>
    <message>
        <source>cli.alreadySetUp</source>
        <translation>保管庫はすでに %1 に設定されています。パスワードを変更するには vexo-cli passwd を使用してください。</translation>
    </message>
    <message>
        <source>cli.answeredNo</source>
        <translation>応答できる端末がないため、「%1」を選びます。</translation>
    </message>
    <message>
        <source>cli.askHint</source>
        <translation>パスワードのヒント：</translation>
    </message>
    <message>
        <source>cli.askNewPassword</source>
        <translation>新しいマスターパスワード：</translation>
    </message>
    <message>
        <source>cli.askOldPassword</source>
        <translation>現在のマスターパスワード：</translation>
    </message>
    <message>
        <source>cli.askPassword</source>
        <translation>マスターパスワード：</translation>
    </message>
    <message>
        <source>cli.askRepeatPassword</source>
        <translation>新しいパスワードをもう一度入力：</translation>
    </message>
    <message>
        <source>cli.badNumber</source>
        <translation>「%1」は 1 以上の数字ではありません。</translation>
    </message>
    <message>
        <source>cli.cancelled</source>
        <translation>キャンセルしました。</translation>
    </message>
    <message>
        <source>cli.chooseNumber</source>
        <translation>1～%1 から選んでください：</translation>
    </message>
    <message>
        <source>cli.driveVaultOpened</source>
        <translation>ドライブの保管庫 %1 を開きました。</translation>
    </message>
    <message>
        <source>cli.emptyGroupName</source>
        <translation>グループには名前が必要です。</translation>
    </message>
    <message>
        <source>cli.emptyHint</source>
        <translation>パスワードのヒントが必要です。何も変更されていません。</translation>
    </message>
    <message>
        <source>cli.emptyPassword</source>
        <translation>パスワードを空にすることはできません。何も変更されていません。</translation>
    </message>
    <message>
        <source>cli.extraArgument</source>
        <translation>予期しない引数「%1」です。</translation>
    </message>
    <message>
        <source>cli.groupCreated</source>
        <translation>グループ %1「%2」を作成しました。</translation>
    </message>
    <message>
        <source>cli.groupFixed</source>
        <translation>グループ %1 は「すべて」のグループのため、名前の変更も削除もできません。</translation>
    </message>
    <message>
        <source>cli.hidden</source>
        <translation>非表示にしました: %1</translation>
    </message>
    <message>
        <source>cli.missingArgument</source>
        <translation>引数が足りません。</translation>
    </message>
    <message>
        <source>cli.noCommand</source>
        <translation>コマンドが指定されていません。</translation>
    </message>
    <message>
        <source>cli.noItems</source>
        <translation>項目はありません。</translation>
    </message>
    <message>
        <source>cli.noSuchGroup</source>
        <translation>グループ %1 はありません。vexo-cli groups を参照してください。</translation>
    </message>
    <message>
        <source>cli.noSuchItem</source>
        <translation>%1: 保管庫にそのような項目はありません。vexo-cli list を参照してください。</translation>
    </message>
    <message>
        <source>cli.noTerminal</source>
        <translation>パスワードを尋ねる端末がありません。--password-stdin を使って標準入力から渡してください。</translation>
    </message>
    <message>
        <source>cli.noVault</source>
        <translation>このユーザーにはまだ保管庫が設定されていません。次のコマンドで作成してください: vexo-cli init DIR</translation>
    </message>
    <message>
        <source>cli.notHidden</source>
        <translation>非表示にできませんでした: %1</translation>
    </message>
    <message>
        <source>cli.notRemoved</source>
        <translation>取り除けませんでした: %1</translation>
    </message>
    <message>
        <source>cli.noteGroup</source>
        <translation>グループ %1 にはファイルではなくセキュアノートが入っています。</translation>
    </message>
    <message>
        <source>cli.optionNeedsValue</source>
        <translation>オプション %1 には値が必要です。</translation>
    </message>
    <message>
        <source>cli.passwordChanged</source>
        <translation>パスワードを変更しました。</translation>
    </message>
    <message>
        <source>cli.passwordsDiffer</source>
        <translation>2 つのパスワードが一致しません。何も変更されていません。</translation>
    </message>
    <message>
        <source>cli.progressBytes</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>cli.progressLeft</source>
        <translation>残り %1 秒</translation>
    </message>
    <message>
        <source>cli.progressRate</source>
        <translation>%1/秒</translation>
    </message>
    <message>
        <source>cli.removed</source>
        <translation>取り除きました: %1</translation>
    </message>
    <message>
        <source>cli.sectionDrive</source>
        <translation>ドライブの保管庫 %1</translation>
    </message>
    <message>
        <source>cli.sectionLocal</source>
        <translation>このコンピュータの保管庫</translation>
    </message>
    <message>
        <source>cli.sectionNotes</source>
        <translation>セキュアノート</translation>
    </message>
    <message>
        <source>cli.seeHelp</source>
        <translation>%1 を参照してください。</translation>
    </message>
    <message>
        <source>cli.stateHidden</source>
        <translation>非表示</translation>
    </message>
    <message>
        <source>cli.stateVisible</source>
        <translation>表示中</translation>
    </message>
    <message>
        <source>cli.statusDriveVault</source>
        <translation>ドライブの保管庫 %1: 項目 %2 件、うち非表示 %3 件</translation>
    </message>
    <message>
        <source>cli.statusItems</source>
        <translation>項目: %1（非表示 %2、表示 %3）</translation>
    </message>
    <message>
        <source>cli.statusNotOpenElsewhere</source>
        <translation>別のプログラムで使用中: いいえ</translation>
    </message>
    <message>
        <source>cli.statusOpenElsewhere</source>
        <translation>別のプログラムで使用中: はい</translation>
    </message>
    <message>
        <source>cli.statusVault</source>
        <translation>保管庫: %1</translation>
    </message>
    <message>
        <source>cli.storeDamaged</source>
        <translation>破損: %1: %2</translation>
    </message>
    <message>
        <source>cli.storeMissing</source>
        <translation>欠落: %1</translation>
    </message>
    <message>
        <source>cli.unhidden</source>
        <translation>表示しました: %1</translation>
    </message>
    <message>
        <source>cli.unknownCommand</source>
        <translation>不明なコマンド「%1」です。</translation>
    </message>
    <message>
        <source>cli.unknownGroupAction</source>
        <translation>不明なグループ操作「%1」です。add、rename、delete のいずれかを使用してください。</translation>
    </message>
    <message>
        <source>cli.unknownOption</source>
        <translation>不明なオプション %1 です。</translation>
    </message>
    <message>
        <source>cli.unknownSort</source>
        <translation>不明な並べ替え順「%1」です。added、name、path、size、state、created のいずれかを使用してください。</translation>
    </message>
    <message>
        <source>cli.vaultCreated</source>
        <translation>保管庫を %1 に作成しました</translation>
    </message>
    <message>
        <source>cli.verified</source>
        <translation>非表示の項目を %1 件確認し、%2 件に問題がありました。</translation>
    </message>
    <message>
        <source>cli.wrongPassword</source>
        <translation>パスワードが違います。</translation>
    </message>
    <message>
        <source>passwordFaileMessage.StringValue</source>
        <translation>現在のパスワードが正しくありません。</translation>
    </message>
    <message>
        <source>passwordSucMessage.StringValue</source>
        <translation>新しいパスワードを保存しましたが、強度が弱いです。</translation>
    </message>
    <message>
        <source>passwordSucInfomation.StringValue</source>
        <translation>文字、数字、記号を組み合わせた長いパスワードのほうが、はるかに推測されにくくなります。</translation>
    </message>
    <message>
        <source>cli.help</source>
        <translation>使い方: vexo-cli [--password-stdin] COMMAND [ARGS]

Vexo デスクトップアプリケーションと同じ保管庫を操作します。

コマンド:
  init DIR [--hint TEXT]   保管庫フォルダを作成し、マスターパスワードを設定する
  status [--json]          保管庫とその項目、別のプログラムが開いているかどうか
  groups [--json]          すべてのグループとその番号、項目数
  group add NAME | group rename N NAME | group delete N
  list [--group N] [--sort added|name|path|size|state|created] [--desc]
       [--search TEXT] [--json]
  add [--group N] [--vault-name NAME] PATH...   ファイルやフォルダを追加して非表示にする
  hide ITEM... | unhide ITEM...                  ITEM: list の番号、またはパス
  remove ITEM... [--yes]   項目をリストから取り除く（非表示の項目は先に表示に戻す）
  verify [ITEM...] [--json]   非表示の項目の保存コピーを確認する（何も書き込まない）
  passwd                   マスターパスワードを変更する

オプション:
  --password-stdin   パスワードとその後のすべての応答を、端末ではなく
                     標準入力から 1 行ずつ読み込む
  --help             このヘルプ。COMMAND --help で各コマンドのヘルプ

終了ステータス: 0 完了、1 操作に失敗、2 使い方の誤り、3 パスワードの誤り、
4 保管庫が別のプログラムで開かれている。</translation>
    </message>
    <message>
        <source>cli.help.init</source>
        <translation>使い方: vexo-cli init DIR [--hint TEXT]

保管庫フォルダ DIR を作成し（名前に「.vlt」がなければ付け加えます。既存の
フォルダはそのまま使います）、マスターパスワードを 2 回尋ねて設定します。
--hint はパスワードのヒントを保存します。保管庫がすでに設定されている場合は拒否します。</translation>
    </message>
    <message>
        <source>cli.help.status</source>
        <translation>使い方: vexo-cli status [--json]

保管庫フォルダ、含まれる項目の数（非表示と表示）、開いているドライブの
保管庫、別のプログラム（デスクトップアプリケーションまたは別の vexo-cli）が
保管庫を開いているかどうかを表示します。保管庫が別の場所で開かれていても使えます。</translation>
    </message>
    <message>
        <source>cli.help.groups</source>
        <translation>使い方: vexo-cli groups [--json]

すべてのグループを一覧表示します: 保管庫のもの、開いている各ドライブの保管庫のもの、
セキュアノートのもの。番号は list --group、add --group、group で使います。</translation>
    </message>
    <message>
        <source>cli.help.group</source>
        <translation>使い方: vexo-cli group add NAME
        vexo-cli group rename N NAME
        vexo-cli group delete N

保管庫にグループを追加するか、グループ N の名前を変更するか、削除します。削除した
グループの項目は「すべてのファイル」に移ります。「すべて」のグループは変更できません。</translation>
    </message>
    <message>
        <source>cli.help.list</source>
        <translation>使い方: vexo-cli list [--group N] [--sort KEY] [--desc] [--search TEXT] [--json]

開いているすべての保管庫の項目、またはグループ N に表示される項目を一覧表示します。
KEY は added（既定）、name、path、size、state、created のいずれかです。--desc で
順序を逆にします。--search は名前に TEXT を含む項目だけを残します（大文字小文字は無視）。
番号は順序に関係なく変わりません。hide、unhide、remove、
verify で使えます。</translation>
    </message>
    <message>
        <source>cli.help.add</source>
        <translation>使い方: vexo-cli add [--group N] [--vault-name NAME] PATH...

ファイルやフォルダを保管庫に追加して非表示にします。リムーバブルドライブ上の
項目はそのドライブ自身の保管庫に入ります。ドライブに開いている保管庫がなければ、
NAME という名前で新しく作成します（または応答どおり。名前がなければ「Vault.vlt」）。
ドライブの保管庫フォルダ（ドライブ上の「.vlt」フォルダ）を追加すると、その保管庫を開きます。
--group N を付けると、新しい項目をグループ N に入れます。</translation>
    </message>
    <message>
        <source>cli.help.hide</source>
        <translation>使い方: vexo-cli hide ITEM...

項目を非表示にします。各項目は保管庫に保存され、元の場所から取り除かれます。
ITEM は vexo-cli list の番号か項目のパスです（名前が数字のファイルは ./NAME と
書きます）。Ctrl-C を押すと、非表示にしている途中の項目は元のまま残り、
処理が止まります。</translation>
    </message>
    <message>
        <source>cli.help.unhide</source>
        <translation>使い方: vexo-cli unhide ITEM...

項目を元の場所に戻し、変更されずに戻ったことを確認します。
ITEM は vexo-cli list の番号か項目のパスです。Ctrl-C を押すと、
復元している途中の項目は非表示のまま残り、処理が止まります。</translation>
    </message>
    <message>
        <source>cli.help.remove</source>
        <translation>使い方: vexo-cli remove ITEM... [--yes]

項目を保管庫のリストから取り除きます。非表示の項目は、確認のうえ先に表示に
戻します。--yes を付けると確認を省略します（端末がない場合は必須）。</translation>
    </message>
    <message>
        <source>cli.help.verify</source>
        <translation>使い方: vexo-cli verify [ITEM...] [--json]

非表示のすべての項目（または指定した項目）の保存コピーが完全で、非表示にしたときの
とおりに読み戻せることを確認します。何も書き込みません。コピーが欠落または破損
している場合、終了ステータスは 1 です。</translation>
    </message>
    <message>
        <source>cli.help.passwd</source>
        <translation>使い方: vexo-cli passwd

マスターパスワードを変更します。現在のパスワード、新しいパスワード（2 回）、
ヒントを尋ねます。以前に非表示にした項目は、新しいパスワードでも引き続き使えます。</translation>
    </message>
    <message>
        <source>oneTitle.stringValue</source>
        <translation>Vexo へようこそ</translation>
    </message>
    <message>
        <source>oneDesc1Label.stringValue</source>
        <translation>プライベートなファイルやフォルダを、安全な場所にまとめて保管できます。</translation>
    </message>
    <message>
        <source>oneDesc2Label.stringValue</source>
        <translation>非表示にした項目は、暗号化されて保管庫に保存されます。</translation>
    </message>
    <message>
        <source>twoTitle.stringValue</source>
        <translation>ファイルを集めましょう</translation>
    </message>
    <message>
        <source>twoDesc1Label.stringValue</source>
        <translation>ファイルやフォルダをウインドウにドラッグするか、+ ボタンで追加します。</translation>
    </message>
    <message>
        <source>twoDesc2Label.stringValue</source>
        <translation>自分で作ったグループに分けて整理できます。</translation>
    </message>
    <message>
        <source>twoDesc3Label.stringValue</source>
        <translation>項目は、非表示にするまで元の場所にあります。</translation>
    </message>
    <message>
        <source>twoDesc4Label.stringValue</source>
        <translation>リムーバブルドライブ上のファイルは、そのドライブに残ります。</translation>
    </message>
    <message>
        <source>twoDesc5Label.stringValue</source>
        <translation>検索と並べ替えで、どの項目もすぐに見つかります。</translation>
    </message>
    <message>
        <source>threTitle.stringValue</source>
        <translation>スイッチひとつで非表示に</translation>
    </message>
    <message>
        <source>threDesc1Label.stringValue</source>
        <translation>項目を非表示に切り替えると、フォルダから消えます。</translation>
    </message>
    <message>
        <source>threDesc2Label.stringValue</source>
        <translation>元に戻すと、そのままの状態で戻ってきます。</translation>
    </message>
    <message>
        <source>sixTitleLabel.stringValue</source>
        <translation>セキュアノート</translation>
    </message>
    <message>
        <source>sixDescLabel.stringValue</source>
        <translation>自分だけが読めるノートを書けます。</translation>
    </message>
    <message>
        <source>sixDesc2Label.stringValue</source>
        <translation>ノートはファイルと一緒に保管庫に保存されます。</translation>
    </message>
    <message>
        <source>fiveTitleLabel.stringValue</source>
        <translation>保管庫を作成しましょう</translation>
    </message>
    <message>
        <source>fiveDesc1Label.stringValue</source>
        <translation>マスターパスワードを決めてください。Vexo を開くたびに必要です。</translation>
    </message>
    <message>
        <source>fiveDesc2Label.stringValue</source>
        <translation>忘れたパスワードを復元する方法はありません。</translation>
    </message>
    <message>
        <source>fiveDesc3Label.stringValue</source>
        <translation>ヒントを設定すると思い出しやすくなります。</translation>
    </message>
    <message>
        <source>password_TextField.placeholderString</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>sourepassword_TextField.placeholderString</source>
        <translation>パスワードを確認</translation>
    </message>
    <message>
        <source>passwordhint.placeholderString</source>
        <translation>パスワードのヒント</translation>
    </message>
    <message>
        <source>remmenberBtn.title</source>
        <translation>パスワードを記憶</translation>
    </message>
    <message>
        <source>Next.text</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>createVaultBtn.title</source>
        <translation>保管庫を作成</translation>
    </message>
    <message>
        <source>closeBtn.title</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>SavePanel.message</source>
        <translation>保管庫フォルダを作成する場所を選んでください。</translation>
    </message>
    <message>
        <source>AppName.text</source>
        <translation>Vexo</translation>
    </message>
    <message>
        <source>passwordTextField.placeholderString</source>
        <translation>パスワードを入力</translation>
    </message>
    <message>
        <source>passwordtishiLabelstringValue</source>
        <translation>保管庫のロックを解除するには、マスターパスワードを入力してください。</translation>
    </message>
    <message>
        <source>passwordhint1.placeholderString</source>
        <translation>パスワードをお忘れですか？</translation>
    </message>
    <message>
        <source>passwordkeyphale</source>
        <translation>パスワードは復元できません。キーボードの配列と Caps Lock を確認して、慎重にもう一度お試しください。</translation>
    </message>
    <message>
        <source>chooser.allFiles</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>languageIcon</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>cli.vaultMissing</source>
        <translation>保管庫フォルダ %1 が見つかりません。ドライブは接続されていますか？フォルダが移動されていませんか？何も変更されていません。</translation>
    </message>
    <message>
        <source>cli.noPassword</source>
        <translation>パスワードが入力されていません。</translation>
    </message>
    <message>
        <source>cli.driveVaultNotOpened</source>
        <translation>%1 はドライブの保管庫として開かれませんでした。</translation>
    </message>
    <message>
        <source>cli.noteGroupKept</source>
        <translation>グループ %1 にはセキュアノートが入っています。ノートが表示されるデスクトップアプリケーションで削除してください。</translation>
    </message>
    <message>
        <source>ProMenuItem1.title</source>
        <translation>Vexo について</translation>
    </message>
    <message>
        <source>ProMenuItem3.title</source>
        <translation>Vexo を終了</translation>
    </message>
    <message>
        <source>LanguageBtnTitle</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>FilemenuItem.title</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>FilemenuItem1.title</source>
        <translation>ファイルを追加…</translation>
    </message>
    <message>
        <source>FilemenuItem2.title</source>
        <translation>新規ノート</translation>
    </message>
    <message>
        <source>FilemenuItem3.title</source>
        <translation>非表示</translation>
    </message>
    <message>
        <source>FilemenuItem4.title</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>EditmenuItem.title</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>EditmenuItem1.title</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>EditmenuItem2.title</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>EditmenuItem3.title</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>EditmenuItem4.title</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>EditmenuItem5.title</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>EditmenuItem6.title</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>EditmenuItem7.title</source>
        <translation>すべてを選択</translation>
    </message>
    <message>
        <source>EditmenuItem9.title</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>EditmenuItem12.title</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Edit-FindMenuItem1.title</source>
        <translation>検索…</translation>
    </message>
    <message>
        <source>Edit-TransformationMenuItem1.title</source>
        <translation>大文字にする</translation>
    </message>
    <message>
        <source>Edit-TransformationMenuItem2.title</source>
        <translation>小文字にする</translation>
    </message>
    <message>
        <source>Edit-TransformationMenuItem3.title</source>
        <translation>先頭を大文字にする</translation>
    </message>
    <message>
        <source>FormatmenuItem.title</source>
        <translation>フォーマット</translation>
    </message>
    <message>
        <source>FormatmenuItem1.title</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>FormatmenuItem2.title</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Format-FontMenuItem1.text</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Format-FontMenuItem2.text</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Format-FontMenuItem3.text</source>
        <translation>下線</translation>
    </message>
    <message>
        <source>Format-FontMenuItem4.text</source>
        <translation>大きく</translation>
    </message>
    <message>
        <source>Format-FontMenuItem5.text</source>
        <translation>小さく</translation>
    </message>
    <message>
        <source>Format-TextMenuItem1.text</source>
        <translation>左揃え</translation>
    </message>
    <message>
        <source>Format-TextMenuItem2.text</source>
        <translation>中央揃え</translation>
    </message>
    <message>
        <source>Format-TextMenuItem3.text</source>
        <translation>右揃え</translation>
    </message>
    <message>
        <source>PasswordMenuItem.title</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>PasswordMenuItem1.title</source>
        <translation>Vexo をロック</translation>
    </message>
    <message>
        <source>WindowMenuItem.title</source>
        <translation>ウインドウ</translation>
    </message>
    <message>
        <source>WindowMenuItem1.title</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>WindowMenuItem2.title</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>WindowMenuItem3.title</source>
        <translation>フルスクリーン</translation>
    </message>
    <message>
        <source>HelpMenuItem.title</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>HelpMenuItem2.title</source>
        <translation>チュートリアルを表示</translation>
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
        <translation>ロック</translation>
    </message>
    <message>
        <source>SortBtn.title</source>
        <translation>並べ替え：%1</translation>
    </message>
    <message>
        <source>SortbyItem1</source>
        <translation>追加日</translation>
    </message>
    <message>
        <source>file_Item0</source>
        <translation>すべて表示</translation>
    </message>
    <message>
        <source>file_Item1</source>
        <translation>すべて非表示</translation>
    </message>
    <message>
        <source>file_Item2</source>
        <translation>非表示</translation>
    </message>
    <message>
        <source>file_Item3</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>file_Item4</source>
        <translation>取り除く</translation>
    </message>
    <message>
        <source>vaultRecreated.title</source>
        <translation>保管庫フォルダが見つからなかったため、空のフォルダとして作り直しました</translation>
    </message>
    <message>
        <source>vaultRecreated.message</source>
        <translation>保管庫が接続されていないドライブや共有フォルダ上にある場合は、Vexo を終了し、この空のフォルダを削除してからドライブを接続し、Vexo をもう一度起動してください。保管庫の内容は何も変更されていません。</translation>
    </message>
    <message>
        <source>visableLabel.stringValue</source>
        <translation>表示中</translation>
    </message>
    <message>
        <source>hideState.text</source>
        <translation>非表示</translation>
    </message>
    <message>
        <source>unhideState.text</source>
        <translation>表示中</translation>
    </message>
    <message>
        <source>groupChildFile_Item0</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>groupChildFile_Item1</source>
        <translation>非表示</translation>
    </message>
    <message>
        <source>groupChildFile_Item2</source>
        <translation>情報を見る</translation>
    </message>
    <message>
        <source>groupChildFile_Item3</source>
        <translation>フォルダに表示</translation>
    </message>
    <message>
        <source>groupChildFile_Item4</source>
        <translation>リストから取り除く</translation>
    </message>
    <message>
        <source>SortbyItem2</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>SortbyItem3</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>SortbyItem4</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>SortbyItem5</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>SortbyItem6</source>
        <translation>作成日</translation>
    </message>
    <message>
        <source>SortbyItem7</source>
        <translation>昇順</translation>
    </message>
    <message>
        <source>SortbyItem8</source>
        <translation>降順</translation>
    </message>
    <message>
        <source>group_Item1</source>
        <translation>すべての項目を非表示</translation>
    </message>
    <message>
        <source>group_Item2</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>group_Item3</source>
        <translation>グループを削除</translation>
    </message>
    <message>
        <source>AddItemPlString</source>
        <translation>グループを追加</translation>
    </message>
    <message>
        <source>oldPasswordLabel.stringValue</source>
        <translation>現在のパスワード：</translation>
    </message>
    <message>
        <source>nowPasswordLabel.stringValue</source>
        <translation>新しいパスワード：</translation>
    </message>
    <message>
        <source>verifyLabel.stringValue</source>
        <translation>確認：</translation>
    </message>
    <message>
        <source>passwordHitLabel.stringValue</source>
        <translation>ヒント：</translation>
    </message>
    <message>
        <source>changeVltPassword</source>
        <translation>%1 のパスワードを変更</translation>
    </message>
    <message>
        <source>changePassword</source>
        <translation>パスワードを変更</translation>
    </message>
    <message>
        <source>changePasswordBtn.title</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>ProceedAnyway.StringValue</source>
        <translation>パスワードを変更</translation>
    </message>
    <message>
        <source>passwordMessage.StringValue</source>
        <translation>マスターパスワードを変更しますか？</translation>
    </message>
    <message>
        <source>passwordInfomation.StringValue</source>
        <translation>今後、Vexo は新しいパスワードでのみ開けます。変更前に非表示にした項目は、これまでどおり表示に戻せます。</translation>
    </message>
    <message>
        <source>passwordNotSaved.StringValue</source>
        <translation>新しいパスワードを保存できませんでした。Vexo は引き続き古いパスワードで開けます。</translation>
    </message>
    <message>
        <source>drivePasswordNotSaved</source>
        <translation>新しいパスワードをドライブの保管庫 %1 に書き込めませんでした。古いパスワードのままです。</translation>
    </message>
    <message>
        <source>PasswordMenuItem2.title</source>
        <translation>パスワードを変更…</translation>
    </message>
    <message>
        <source>note_Item1</source>
        <translation>ノートを削除</translation>
    </message>
    <message>
        <source>note_Item2</source>
        <translation>新規ノート</translation>
    </message>
    <message>
        <source>NotesSortbyItem1</source>
        <translation>追加日</translation>
    </message>
    <message>
        <source>NotesSortbyItem2</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>NotesSortbyItem3</source>
        <translation>作成日</translation>
    </message>
    <message>
        <source>NotesSortbyItem4</source>
        <translation>昇順</translation>
    </message>
    <message>
        <source>NotesSortbyItem5</source>
        <translation>降順</translation>
    </message>
    <message>
        <source>noteNotSaved</source>
        <translation>ノート「%1」を保存できませんでした。</translation>
    </message>
    <message>
        <source>Format-FontMenuItem10.text</source>
        <translation>フォントを表示</translation>
    </message>
    <message>
        <source>Format-FontMenuItem11.text</source>
        <translation>カラーを表示</translation>
    </message>
    <message>
        <source>ProMenuItem2.title</source>
        <translation>環境設定…</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>general_checkBox1</source>
        <translation>メニューバーにアシスタントを表示</translation>
    </message>
    <message>
        <source>general_checkBox2</source>
        <translation>ログイン時にアシスタントを起動</translation>
    </message>
    <message>
        <source>general_checkBox3</source>
        <translation>匿名の使用状況データを送信</translation>
    </message>
    <message>
        <source>general_p1_item0</source>
        <translation>しない</translation>
    </message>
    <message>
        <source>general_p1_item1</source>
        <translation>30 秒後</translation>
    </message>
    <message>
        <source>general_p1_item2</source>
        <translation>1 分後</translation>
    </message>
    <message>
        <source>general_p1_item3</source>
        <translation>5 分後</translation>
    </message>
    <message>
        <source>general_p1_item4</source>
        <translation>15 分後</translation>
    </message>
    <message>
        <source>general_p2_item0</source>
        <translation>保管庫をロック</translation>
    </message>
    <message>
        <source>general_p2_item1</source>
        <translation>保管庫をロックしてウインドウを閉じる</translation>
    </message>
    <message>
        <source>general_p2_item2</source>
        <translation>保管庫とアシスタントをロック</translation>
    </message>
    <message>
        <source>general_descTitleLabel1</source>
        <translation>アイドル時にロック：</translation>
    </message>
    <message>
        <source>general_descLabel1</source>
        <translation>保管庫は、この時間操作されないとロックされます。</translation>
    </message>
    <message>
        <source>general_descTitleLabel2</source>
        <translation>終了時：</translation>
    </message>
    <message>
        <source>general_descLabel2</source>
        <translation>次回の起動時、保管庫は常にロックされています。</translation>
    </message>
    <message>
        <source>password_checkBox1</source>
        <translation>バックアップの前に保管庫をロック</translation>
    </message>
    <message>
        <source>password_descLabel</source>
        <translation>マスターパスワードで保管庫を開きます。ここで変更できます。ヒントは思い出す助けになります。</translation>
    </message>
    <message>
        <source>password_ChangeBtn.stringvalue</source>
        <translation>パスワードを変更…</translation>
    </message>
    <message>
        <source>advanced_CheckBox1</source>
        <translation>非表示にした後、残ったファイルデータを安全に消去</translation>
    </message>
    <message>
        <source>advanced_CheckBox2</source>
        <translation>メニューバーのアシスタントで表示に戻したファイルを表示</translation>
    </message>
    <message>
        <source>advanced_CheckBox3</source>
        <translation>メインウインドウで表示に戻したファイルを表示</translation>
    </message>
    <message>
        <source>advanced_Item0</source>
        <translation>ゼロで 1 回上書き</translation>
    </message>
    <message>
        <source>advanced_Item1</source>
        <translation>ランダムなデータで 1 回上書き</translation>
    </message>
    <message>
        <source>advanced_Item2</source>
        <translation>3 回上書き</translation>
    </message>
    <message>
        <source>advanced_descTitleLabel1</source>
        <translation>安全な消去：</translation>
    </message>
    <message>
        <source>advanced_descTitleLabel2</source>
        <translation>表示に戻すとき：</translation>
    </message>
    <message>
        <source>advanced_descTitleLabel3</source>
        <translation>保管庫フォルダ：</translation>
    </message>
    <message>
        <source>advanced_descLabel</source>
        <translation>非表示のファイルとノートはこのフォルダに保存されます。</translation>
    </message>
    <message>
        <source>changePathBtn.stringValue</source>
        <translation>移動…</translation>
    </message>
    <message>
        <source>Error_Changepath_Title</source>
        <translation>保管庫フォルダを移動できませんでした。</translation>
    </message>
    <message>
        <source>Error_Changepath_Message</source>
        <translation>保管庫は中身ごと元の場所に残っています。</translation>
    </message>
    <message>
        <source>vaultMoveBusy</source>
        <translation>非表示と再表示が終わってから保管庫を移動してください。</translation>
    </message>
    <message>
        <source>vaultMoveLeftBehind</source>
        <translation>保管庫は %1 に移動しましたが、古いフォルダを完全には削除できませんでした。残りはご自身で削除できます：</translation>
    </message>
    <message>
        <source>vaultMove.title</source>
        <translation>保管庫を移動中</translation>
    </message>
    <message>
        <source>vaultMove.message</source>
        <translation>保管庫を %1 に移動しています…</translation>
    </message>
    <message>
        <source>HelpMenuItem1.title</source>
        <translation>Vexo ヘルプ</translation>
    </message>
    <message>
        <source>kHelpUrl</source>
        <translation>qrc:/help/help.ja.html</translation>
    </message>
    <message>
        <source>FilemenuItem5.title</source>
        <translation>非表示の項目を検査…</translation>
    </message>
    <message>
        <source>vaultHealthy</source>
        <translation>%1 個の非表示の項目はすべて無事です。保存されたコピーはすべて完全で、非表示にしたときのとおりに読み戻せます。</translation>
    </message>
    <message>
        <source>vaultDamaged</source>
        <translation>非表示の項目 %2 個のうち %1 個で、保存されたコピーが見つからないか壊れています。保管庫フォルダはそのままにして、これらの項目をバックアップから復元してください：</translation>
    </message>
    <message>
        <source>general_checkBox4</source>
        <translation>画面のロック時とスリープの前にロック</translation>
    </message>
    <message>
        <source>advanced_eraseNote</source>
        <translation>SSD やコピーオンライト方式のファイルシステム（Btrfs、ZFS など）には、上書きの届かないコピーが残ることがあります。ディスク全体の暗号化で防げます。</translation>
    </message>
</context>
</TS>

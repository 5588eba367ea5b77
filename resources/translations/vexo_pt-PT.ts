<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>Main</name>
    <message>
        <source>GroupFileTypeTitle</source>
        <translation>FICHEIROS</translation>
    </message>
    <message>
        <source>group_AllFiles</source>
        <translation>Todos os ficheiros</translation>
    </message>
    <message>
        <source>group_SECURENOTES</source>
        <translation>NOTAS SEGURAS</translation>
    </message>
    <message>
        <source>group_Allnotes</source>
        <translation>Todas as notas</translation>
    </message>
    <message>
        <source>monthiItem1.stringValue</source>
        <translation>Janeiro</translation>
    </message>
    <message>
        <source>monthiItem2.stringValue</source>
        <translation>Fevereiro</translation>
    </message>
    <message>
        <source>monthiItem3.stringValue</source>
        <translation>Março</translation>
    </message>
    <message>
        <source>monthiItem4.stringValue</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>monthiItem5.stringValue</source>
        <translation>Maio</translation>
    </message>
    <message>
        <source>monthiItem6.stringValue</source>
        <translation>Junho</translation>
    </message>
    <message>
        <source>monthiItem7.stringValue</source>
        <translation>Julho</translation>
    </message>
    <message>
        <source>monthiItem8.stringValue</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>monthiItem9.stringValue</source>
        <translation>Setembro</translation>
    </message>
    <message>
        <source>monthiItem10.stringValue</source>
        <translation>Outubro</translation>
    </message>
    <message>
        <source>monthiItem11.stringValue</source>
        <translation>Novembro</translation>
    </message>
    <message>
        <source>monthiItem12.stringValue</source>
        <translation>Dezembro</translation>
    </message>
    <message>
        <source>weekItem1.stringValue</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>weekItem2.stringValue</source>
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>weekItem3.stringValue</source>
        <translation>Terça-feira</translation>
    </message>
    <message>
        <source>weekItem4.stringValue</source>
        <translation>Quarta-feira</translation>
    </message>
    <message>
        <source>weekItem5.stringValue</source>
        <translation>Quinta-feira</translation>
    </message>
    <message>
        <source>weekItem6.stringValue</source>
        <translation>Sexta-feira</translation>
    </message>
    <message>
        <source>weekItem7.stringValue</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>listUnreadable.title</source>
        <translation>Não foi possível ler a lista do cofre</translation>
    </message>
    <message>
        <source>listUnreadable.message</source>
        <translation>O Vexo guardou a lista ilegível ao lado, com «unreadable» no nome, e começou uma nova. Os seus itens ocultos continuam guardados na pasta do cofre:</translation>
    </message>
    <message>
        <source>okBtn.Title</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>encrypted.stringvalue</source>
        <translation>oculto</translation>
    </message>
    <message>
        <source>process.text</source>
        <translation>A processar…</translation>
    </message>
    <message>
        <source>ProgressState</source>
        <translation>Faltam cerca de %1 s</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>hideFailed.title</source>
        <translation>Não foi possível ocultar o item. Continua visível no seu lugar e nada foi eliminado.</translation>
    </message>
    <message>
        <source>unhideFailed.title</source>
        <translation>Não foi possível restaurar o item. Continua oculto no cofre; nada se perdeu.</translation>
    </message>
    <message>
        <source>error_md5_message</source>
        <translation>O item restaurado difere do que foi ocultado, por isso continua marcado como oculto e a sua cópia guardada é mantida. Resumo do que foi restaurado</translation>
    </message>
    <message>
        <source>wenxintishi</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>fileRemovedMessage</source>
        <translation>Este item já não está no seu lugar, ou a sua unidade já não está ligada.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>needTotalSize.Title</source>
        <translation>Não há espaço livre suficiente na unidade: são necessários %1 MB.</translation>
    </message>
    <message>
        <source>passordMessage</source>
        <translation>O cofre desta unidade tem a sua própria palavra-passe. Introduza-a para abrir o cofre.</translation>
    </message>
    <message>
        <source>addFristBtn.string</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>addSecondBtn.string</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>clickPassword</source>
        <translation>Palavra-passe do cofre</translation>
    </message>
    <message>
        <source>passworderror</source>
        <translation>A palavra-passe não está correta.</translation>
    </message>
    <message>
        <source>group_Item4</source>
        <translation>Novo grupo</translation>
    </message>
    <message>
        <source>VAULTName.string</source>
        <translation>COFRE %1</translation>
    </message>
    <message>
        <source>removeitemformlistmessage.text</source>
        <translation>Remover este item da lista?</translation>
    </message>
    <message>
        <source>removeitemformlistinfomation.text</source>
        <translation>O item está oculto. Primeiro é mostrado e reposto no seu lugar; depois sai da lista. O ficheiro em si é mantido.</translation>
    </message>
    <message>
        <source>PasswordSucOk.StringValue</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel.StringValue</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>addRefused.title</source>
        <translation>Alguns itens não foram adicionados</translation>
    </message>
    <message>
        <source>moreFailures.text</source>
        <translation>…e mais %1</translation>
    </message>
    <message>
        <source>CreateFolderErrorTitle</source>
        <translation>Não é possível usar a pasta do cofre</translation>
    </message>
    <message>
        <source>CreateFolderErrorMessage</source>
        <translation>A pasta do cofre não existe ou está numa unidade cujo sistema de ficheiros o Vexo não consegue escrever (NTFS).</translation>
    </message>
    <message>
        <source>NTFErrorTitle</source>
        <translation>As unidades NTFS não são suportadas</translation>
    </message>
    <message>
        <source>NTFErrorMessage</source>
        <translation>O Vexo não consegue manter um cofre numa unidade NTFS. Utilize uma unidade formatada em exFAT, FAT32 ou com um sistema de ficheiros Linux.</translation>
    </message>
    <message>
        <source>addMessage.string</source>
        <translation>A unidade «%1» ainda não tem cofre. Criar um para ocultar estes itens na unidade?</translation>
    </message>
    <message>
        <source>addMessage1.string</source>
        <translation>A unidade «%1» já tem uma pasta de cofre que não está aberta. Criar um cofre novo ou selecionar um existente?</translation>
    </message>
    <message>
        <source>addInfomation.string</source>
        <translation>Os itens de uma unidade amovível são guardados num cofre nessa mesma unidade, para que a unidade possa passar de um computador para outro.</translation>
    </message>
    <message>
        <source>Newlybuild.string</source>
        <translation>Criar novo</translation>
    </message>
    <message>
        <source>Selectexisting.string</source>
        <translation>Selecionar existente</translation>
    </message>
    <message>
        <source>selectsecurityMessage</source>
        <translation>Selecione a pasta do cofre (.vlt) na unidade</translation>
    </message>
    <message>
        <source>createFolderMessage</source>
        <translation>Dê um nome ao novo cofre</translation>
    </message>
    <message>
        <source>clickvaultName</source>
        <translation>Nome do cofre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>vaultInUse.title</source>
        <translation>O cofre está aberto noutro programa</translation>
    </message>
    <message>
        <source>vaultInUse.message</source>
        <translation>O Vexo ou o vexo-cli já tem este cofre aberto. Feche-o primeiro aí e tente novamente.</translation>
    </message>
    <message>
        <source>cli.alreadyHidden</source>
        <translation>%1 já está oculto.</translation>
    </message>
    <message>
        <source>cli.alreadyVisible</source>
        <translation>%1 já está visível.</translation>
    </message>
    <message>
        <source>cli.alreadyInVault</source>
        <translation>%1: já está no cofre; ignorado.</translation>
    </message>
    <message>
        <source>cli.alreadySetUp</source>
        <translation>Já existe um cofre configurado, em %1. Utilize vexo-cli passwd para alterar a palavra-passe.</translation>
    </message>
    <message>
        <source>cli.answeredNo</source>
        <translation>Não há terminal para responder: a escolher «%1».</translation>
    </message>
    <message>
        <source>cli.askHint</source>
        <translation>Dica da palavra-passe:</translation>
    </message>
    <message>
        <source>cli.askNewPassword</source>
        <translation>Nova palavra-passe mestra:</translation>
    </message>
    <message>
        <source>cli.askOldPassword</source>
        <translation>Palavra-passe mestra atual:</translation>
    </message>
    <message>
        <source>cli.askPassword</source>
        <translation>Palavra-passe mestra:</translation>
    </message>
    <message>
        <source>cli.askRepeatPassword</source>
        <translation>Repita a nova palavra-passe:</translation>
    </message>
    <message>
        <source>cli.badNumber</source>
        <translation>«%1» não é um número a partir de 1.</translation>
    </message>
    <message>
        <source>cli.cancelled</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>cli.chooseNumber</source>
        <translation>Escolha de 1 a %1:</translation>
    </message>
    <message>
        <source>cli.driveVaultOpened</source>
        <translation>O cofre da unidade %1 foi aberto.</translation>
    </message>
    <message>
        <source>cli.emptyGroupName</source>
        <translation>Um grupo precisa de um nome.</translation>
    </message>
    <message>
        <source>cli.emptyHint</source>
        <translation>É necessária uma dica da palavra-passe; nada foi alterado.</translation>
    </message>
    <message>
        <source>cli.emptyPassword</source>
        <translation>A palavra-passe não pode estar vazia; nada foi alterado.</translation>
    </message>
    <message>
        <source>cli.extraArgument</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>cli.groupCreated</source>
        <translation>Grupo %1 criado, «%2».</translation>
    </message>
    <message>
        <source>cli.groupFixed</source>
        <translation>O grupo %1 é um grupo «todos»: não pode ser mudado de nome nem eliminado.</translation>
    </message>
    <message>
        <source>cli.hidden</source>
        <translation>Ocultado: %1</translation>
    </message>
    <message>
        <source>cli.missingArgument</source>
        <translation>Falta um argumento.</translation>
    </message>
    <message>
        <source>cli.noCommand</source>
        <translation>Nenhum comando indicado.</translation>
    </message>
    <message>
        <source>cli.noItems</source>
        <translation>Sem itens.</translation>
    </message>
    <message>
        <source>cli.noSuchGroup</source>
        <translation>Não existe o grupo %1; consulte vexo-cli groups.</translation>
    </message>
    <message>
        <source>cli.noSuchItem</source>
        <translation>%1: esse item não existe no cofre; consulte vexo-cli list.</translation>
    </message>
    <message>
        <source>cli.noTerminal</source>
        <translation>Não há terminal para pedir a palavra-passe; indique-a na entrada padrão com --password-stdin.</translation>
    </message>
    <message>
        <source>cli.noVault</source>
        <translation>Ainda não há nenhum cofre configurado para este utilizador. Crie um com: vexo-cli init DIR</translation>
    </message>
    <message>
        <source>cli.notHidden</source>
        <translation>Não ocultado: %1</translation>
    </message>
    <message>
        <source>cli.notRemoved</source>
        <translation>Não removido: %1</translation>
    </message>
    <message>
        <source>cli.noteGroup</source>
        <translation>O grupo %1 contém notas seguras, não ficheiros.</translation>
    </message>
    <message>
        <source>cli.optionNeedsValue</source>
        <translation>A opção %1 precisa de um valor.</translation>
    </message>
    <message>
        <source>cli.passwordChanged</source>
        <translation>Palavra-passe alterada.</translation>
    </message>
    <message>
        <source>cli.passwordsDiffer</source>
        <translation>As duas palavras-passe não coincidem; nada foi alterado.</translation>
    </message>
    <message>
        <source>cli.progressBytes</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>cli.progressLeft</source>
        <translation>faltam %1 s</translation>
    </message>
    <message>
        <source>cli.progressRate</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>cli.removed</source>
        <translation>Removido: %1</translation>
    </message>
    <message>
        <source>cli.sectionDrive</source>
        <translation>Cofre da unidade %1</translation>
    </message>
    <message>
        <source>cli.sectionLocal</source>
        <translation>Cofre neste computador</translation>
    </message>
    <message>
        <source>cli.sectionNotes</source>
        <translation>Notas seguras</translation>
    </message>
    <message>
        <source>cli.seeHelp</source>
        <translation>Consulte %1.</translation>
    </message>
    <message>
        <source>cli.stateHidden</source>
        <translation>oculto</translation>
    </message>
    <message>
        <source>cli.stateVisible</source>
        <translation>visível</translation>
    </message>
    <message>
        <source>cli.statusDriveVault</source>
        <translation>Cofre da unidade %1: %2 itens, %3 ocultos</translation>
    </message>
    <message>
        <source>cli.statusItems</source>
        <translation>Itens: %1 (%2 ocultos, %3 visíveis)</translation>
    </message>
    <message>
        <source>cli.statusNotOpenElsewhere</source>
        <translation>Aberto noutro programa: não</translation>
    </message>
    <message>
        <source>cli.statusOpenElsewhere</source>
        <translation>Aberto noutro programa: sim</translation>
    </message>
    <message>
        <source>cli.statusVault</source>
        <translation>Cofre: %1</translation>
    </message>
    <message>
        <source>cli.storeDamaged</source>
        <translation>danificado: %1: %2</translation>
    </message>
    <message>
        <source>cli.storeMissing</source>
        <translation>em falta: %1</translation>
    </message>
    <message>
        <source>cli.unhidden</source>
        <translation>Mostrado: %1</translation>
    </message>
    <message>
        <source>cli.unknownCommand</source>
        <translation>Comando desconhecido «%1».</translation>
    </message>
    <message>
        <source>cli.unknownGroupAction</source>
        <translation>Ação de grupo desconhecida «%1»: utilize add, rename ou delete.</translation>
    </message>
    <message>
        <source>cli.unknownOption</source>
        <translation>Opção desconhecida %1.</translation>
    </message>
    <message>
        <source>cli.unknownSort</source>
        <translation>Ordem desconhecida «%1»: utilize added, name, path, size, state ou created.</translation>
    </message>
    <message>
        <source>cli.vaultCreated</source>
        <translation>Cofre criado em %1</translation>
    </message>
    <message>
        <source>cli.verified</source>
        <translation>%1 itens ocultos verificados, %2 com problemas.</translation>
    </message>
    <message>
        <source>cli.wrongPassword</source>
        <translation>Palavra-passe errada.</translation>
    </message>
    <message>
        <source>passwordFaileMessage.StringValue</source>
        <translation>A palavra-passe atual está errada.</translation>
    </message>
    <message>
        <source>passwordSucMessage.StringValue</source>
        <translation>A nova palavra-passe foi guardada, mas é fraca.</translation>
    </message>
    <message>
        <source>passwordSucInfomation.StringValue</source>
        <translation>Uma palavra-passe mais longa que combine letras, algarismos e outros caracteres é muito mais difícil de adivinhar.</translation>
    </message>
    <message>
        <source>cli.help</source>
        <translation>Utilização: vexo-cli [--password-stdin] COMMAND [ARGS]

Trabalha com o mesmo cofre que a aplicação de ambiente de trabalho Vexo.

Comandos:
  init DIR [--hint TEXT]   cria a pasta do cofre e define a palavra-passe mestra
  status [--json]          o cofre, os seus itens e se outro programa o tem aberto
  groups [--json]          cada grupo com o seu número e quantidade de itens
  group add NAME | group rename N NAME | group delete N
  list [--group N] [--sort added|name|path|size|state|created] [--desc]
       [--search TEXT] [--json]
  add [--group N] [--vault-name NAME] PATH...   adiciona ficheiros e pastas e oculta-os
  hide ITEM... | unhide ITEM...                  ITEM: um número de list, ou um caminho
  remove ITEM... [--yes]   retira itens da lista (um item oculto é primeiro mostrado)
  verify [ITEM...] [--json]   verifica as cópias guardadas dos itens ocultos, sem escrever nada
  passwd                   altera a palavra-passe mestra

Opções:
  --password-stdin   lê a palavra-passe, e cada resposta seguinte, uma linha de cada vez,
                     da entrada padrão em vez do terminal
  --help             este texto; COMMAND --help para o de cada comando

Estado de saída: 0 concluído, 1 uma operação falhou, 2 utilização incorreta,
3 palavra-passe errada, 4 o cofre está aberto noutro programa.</translation>
    </message>
    <message>
        <source>cli.help.init</source>
        <translation>Utilização: vexo-cli init DIR [--hint TEXT]

Cria a pasta do cofre DIR (é acrescentado «.vlt» se o nome não o tiver; uma
pasta existente é usada tal como está) e define a palavra-passe mestra, pedida duas vezes.
--hint guarda uma dica da palavra-passe. Recusado se já houver um cofre configurado.</translation>
    </message>
    <message>
        <source>cli.help.status</source>
        <translation>Utilização: vexo-cli status [--json]

Mostra a pasta do cofre, quantos itens contém, ocultos e visíveis, os
cofres de unidade abertos e se outro programa (a aplicação de ambiente de trabalho ou
outro vexo-cli) tem o cofre aberto. Funciona também enquanto está aberto noutro lado.</translation>
    </message>
    <message>
        <source>cli.help.groups</source>
        <translation>Utilização: vexo-cli groups [--json]

Lista todos os grupos: os do cofre, os de cada cofre de unidade aberto e os das
notas seguras. Utilize os números com list --group, add --group e group.</translation>
    </message>
    <message>
        <source>cli.help.group</source>
        <translation>Utilização: vexo-cli group add NAME
            vexo-cli group rename N NAME
            vexo-cli group delete N

Adiciona um grupo ao cofre, muda o nome do grupo N ou elimina-o. Os itens de um
grupo eliminado passam para «Todos os ficheiros». Os grupos «todos» não podem ser alterados.</translation>
    </message>
    <message>
        <source>cli.help.list</source>
        <translation>Utilização: vexo-cli list [--group N] [--sort KEY] [--desc] [--search TEXT] [--json]

Lista os itens de cada cofre aberto, ou os que o grupo N mostra. KEY é added
(a predefinição), name, path, size, state ou created; --desc inverte a
ordem. --search mantém os itens cujo nome contém TEXT, sem distinguir maiúsculas.
Os números mantêm-se qualquer que seja a ordem: hide, unhide, remove e
verify aceitam-nos.</translation>
    </message>
    <message>
        <source>cli.help.add</source>
        <translation>Utilização: vexo-cli add [--group N] [--vault-name NAME] PATH...

Adiciona ficheiros e pastas ao cofre e oculta-os. Os itens de uma unidade amovível
vão para o cofre dessa unidade; se não houver nenhum aberto, é criado um novo,
com o nome NAME (ou conforme responder; «Vault.vlt» se não indicar nenhum nome).
Adicionar uma pasta de cofre de unidade (uma pasta «.vlt» numa unidade) abre esse cofre.
--group N coloca os novos itens no grupo N.</translation>
    </message>
    <message>
        <source>cli.help.hide</source>
        <translation>Utilização: vexo-cli hide ITEM...

Oculta os itens: cada um é guardado no cofre e retirado do seu lugar.
ITEM é um número de vexo-cli list ou o caminho do item (escreva ./NAME para um
ficheiro cujo nome seja um número). Ctrl-C cancela o item que está a ser ocultado,
que fica como estava, e para.</translation>
    </message>
    <message>
        <source>cli.help.unhide</source>
        <translation>Utilização: vexo-cli unhide ITEM...

Repõe os itens nos seus lugares e verifica que voltaram
sem alterações. ITEM é um número de vexo-cli list ou o caminho do item. Ctrl-C
cancela o item que está a ser restaurado, que continua oculto, e para.</translation>
    </message>
    <message>
        <source>cli.help.remove</source>
        <translation>Utilização: vexo-cli remove ITEM... [--yes]

Retira os itens da lista do cofre. Um item oculto é primeiro mostrado,
depois de confirmar; --yes confirma por si (necessário sem terminal).</translation>
    </message>
    <message>
        <source>cli.help.verify</source>
        <translation>Utilização: vexo-cli verify [ITEM...] [--json]

Verifica se a cópia guardada de cada item oculto (ou dos itens indicados) está
completa e se lê tal como foi ocultada. Não escreve nada. Estado de saída 1 quando
falta uma cópia ou está danificada.</translation>
    </message>
    <message>
        <source>cli.help.passwd</source>
        <translation>Utilização: vexo-cli passwd

Altera a palavra-passe mestra: pede a atual, a nova duas vezes
e uma dica. Os itens ocultados antes continuam a funcionar com a nova palavra-passe.</translation>
    </message>
    <message>
        <source>oneTitle.stringValue</source>
        <translation>Bem-vindo ao Vexo</translation>
    </message>
    <message>
        <source>oneDesc1Label.stringValue</source>
        <translation>Guarde ficheiros e pastas privados num único local seguro.</translation>
    </message>
    <message>
        <source>oneDesc2Label.stringValue</source>
        <translation>Os itens ocultos são guardados cifrados no seu cofre.</translation>
    </message>
    <message>
        <source>twoTitle.stringValue</source>
        <translation>Reúna os seus ficheiros</translation>
    </message>
    <message>
        <source>twoDesc1Label.stringValue</source>
        <translation>Arraste ficheiros e pastas para a janela, ou adicione-os com o botão +.</translation>
    </message>
    <message>
        <source>twoDesc2Label.stringValue</source>
        <translation>Organize-os em grupos à sua medida.</translation>
    </message>
    <message>
        <source>twoDesc3Label.stringValue</source>
        <translation>Os itens ficam onde estão até os ocultar.</translation>
    </message>
    <message>
        <source>twoDesc4Label.stringValue</source>
        <translation>Os ficheiros de uma unidade amovível ficam nessa unidade.</translation>
    </message>
    <message>
        <source>twoDesc5Label.stringValue</source>
        <translation>Pesquise e ordene para encontrar rapidamente qualquer item.</translation>
    </message>
    <message>
        <source>threTitle.stringValue</source>
        <translation>Oculte com um só interruptor</translation>
    </message>
    <message>
        <source>threDesc1Label.stringValue</source>
        <translation>Mude um item para oculto e ele desaparece da sua pasta.</translation>
    </message>
    <message>
        <source>threDesc2Label.stringValue</source>
        <translation>Volte a mudá-lo e ele regressa exatamente como estava.</translation>
    </message>
    <message>
        <source>sixTitleLabel.stringValue</source>
        <translation>Notas seguras</translation>
    </message>
    <message>
        <source>sixDescLabel.stringValue</source>
        <translation>Escreva notas que mais ninguém pode ler.</translation>
    </message>
    <message>
        <source>sixDesc2Label.stringValue</source>
        <translation>São guardadas no cofre com os seus ficheiros.</translation>
    </message>
    <message>
        <source>fiveTitleLabel.stringValue</source>
        <translation>Crie o seu cofre</translation>
    </message>
    <message>
        <source>fiveDesc1Label.stringValue</source>
        <translation>Escolha uma palavra-passe mestra. Vai precisar dela sempre que abrir o Vexo.</translation>
    </message>
    <message>
        <source>fiveDesc2Label.stringValue</source>
        <translation>Não há forma de recuperar uma palavra-passe esquecida.</translation>
    </message>
    <message>
        <source>fiveDesc3Label.stringValue</source>
        <translation>Uma dica ajuda a lembrá-la.</translation>
    </message>
    <message>
        <source>password_TextField.placeholderString</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>sourepassword_TextField.placeholderString</source>
        <translation>Confirmar palavra-passe</translation>
    </message>
    <message>
        <source>passwordhint.placeholderString</source>
        <translation>Dica da palavra-passe</translation>
    </message>
    <message>
        <source>remmenberBtn.title</source>
        <translation>Memorizar palavra-passe</translation>
    </message>
    <message>
        <source>Next.text</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>createVaultBtn.title</source>
        <translation>Criar cofre</translation>
    </message>
    <message>
        <source>closeBtn.title</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>SavePanel.message</source>
        <translation>Escolha onde é criada a pasta do seu cofre.</translation>
    </message>
    <message>
        <source>AppName.text</source>
        <translation>Vexo</translation>
    </message>
    <message>
        <source>passwordTextField.placeholderString</source>
        <translation>Introduza a palavra-passe</translation>
    </message>
    <message>
        <source>passwordtishiLabelstringValue</source>
        <translation>Introduza a sua palavra-passe mestra para desbloquear o cofre.</translation>
    </message>
    <message>
        <source>passwordhint1.placeholderString</source>
        <translation>Esqueceu-se da palavra-passe?</translation>
    </message>
    <message>
        <source>passwordkeyphale</source>
        <translation>Não é possível recuperar a palavra-passe. Verifique a disposição do teclado e a tecla Caps Lock, e tente novamente com cuidado.</translation>
    </message>
    <message>
        <source>chooser.allFiles</source>
        <translation>Todos os ficheiros</translation>
    </message>
    <message>
        <source>languageIcon</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>cli.vaultMissing</source>
        <translation>A pasta do cofre %1 não existe. A unidade está ligada, ou a pasta foi movida? Nada foi alterado.</translation>
    </message>
    <message>
        <source>cli.noPassword</source>
        <translation>Nenhuma palavra-passe indicada.</translation>
    </message>
    <message>
        <source>cli.driveVaultNotOpened</source>
        <translation>%1 não foi aberto como cofre de unidade.</translation>
    </message>
    <message>
        <source>cli.noteGroupKept</source>
        <translation>O grupo %1 contém notas seguras: elimine-o na aplicação de ambiente de trabalho, onde as suas notas são mostradas.</translation>
    </message>
    <message>
        <source>ProMenuItem1.title</source>
        <translation>Acerca do Vexo</translation>
    </message>
    <message>
        <source>ProMenuItem3.title</source>
        <translation>Sair do Vexo</translation>
    </message>
    <message>
        <source>LanguageBtnTitle</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>FilemenuItem.title</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>FilemenuItem1.title</source>
        <translation>Adicionar ficheiros…</translation>
    </message>
    <message>
        <source>FilemenuItem2.title</source>
        <translation>Nova nota</translation>
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
        <translation>Editar</translation>
    </message>
    <message>
        <source>EditmenuItem1.title</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>EditmenuItem2.title</source>
        <translation>Refazer</translation>
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
        <translation>Colar</translation>
    </message>
    <message>
        <source>EditmenuItem6.title</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>EditmenuItem7.title</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>EditmenuItem9.title</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>EditmenuItem12.title</source>
        <translation>Transformações</translation>
    </message>
    <message>
        <source>Edit-FindMenuItem1.title</source>
        <translation>Localizar…</translation>
    </message>
    <message>
        <source>Edit-TransformationMenuItem1.title</source>
        <translation>Converter em maiúsculas</translation>
    </message>
    <message>
        <source>Edit-TransformationMenuItem2.title</source>
        <translation>Converter em minúsculas</translation>
    </message>
    <message>
        <source>Edit-TransformationMenuItem3.title</source>
        <translation>Maiúscula inicial</translation>
    </message>
    <message>
        <source>FormatmenuItem.title</source>
        <translation>Formatar</translation>
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
        <translation>Negrito</translation>
    </message>
    <message>
        <source>Format-FontMenuItem2.text</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>Format-FontMenuItem3.text</source>
        <translation>Sublinhado</translation>
    </message>
    <message>
        <source>Format-FontMenuItem4.text</source>
        <translation>Maior</translation>
    </message>
    <message>
        <source>Format-FontMenuItem5.text</source>
        <translation>Mais pequeno</translation>
    </message>
    <message>
        <source>Format-TextMenuItem1.text</source>
        <translation>Alinhar à esquerda</translation>
    </message>
    <message>
        <source>Format-TextMenuItem2.text</source>
        <translation>Centrar</translation>
    </message>
    <message>
        <source>Format-TextMenuItem3.text</source>
        <translation>Alinhar à direita</translation>
    </message>
    <message>
        <source>PasswordMenuItem.title</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>PasswordMenuItem1.title</source>
        <translation>Bloquear o Vexo</translation>
    </message>
    <message>
        <source>WindowMenuItem.title</source>
        <translation>Janela</translation>
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
        <translation>Ecrã inteiro</translation>
    </message>
    <message>
        <source>HelpMenuItem.title</source>
        <translation>Ajuda</translation>
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
        <translation>Data de adição</translation>
    </message>
    <message>
        <source>file_Item0</source>
        <translation>Mostrar tudo</translation>
    </message>
    <message>
        <source>file_Item1</source>
        <translation>Ocultar tudo</translation>
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
        <translation>Remover</translation>
    </message>
    <message>
        <source>vaultRecreated.title</source>
        <translation>A pasta do cofre não existia e foi criada de novo, vazia</translation>
    </message>
    <message>
        <source>vaultRecreated.message</source>
        <translation>Se o seu cofre estiver numa unidade ou partilha que não está ligada, saia do Vexo, remova esta pasta vazia, ligue a unidade e volte a iniciar o Vexo. Nada do seu cofre foi alterado.</translation>
    </message>
    <message>
        <source>visableLabel.stringValue</source>
        <translation>Visível</translation>
    </message>
    <message>
        <source>hideState.text</source>
        <translation>Oculto</translation>
    </message>
    <message>
        <source>unhideState.text</source>
        <translation>Visível</translation>
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
        <translation>Obter informações</translation>
    </message>
    <message>
        <source>groupChildFile_Item3</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>groupChildFile_Item4</source>
        <translation>Remover da lista</translation>
    </message>
    <message>
        <source>SortbyItem2</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>SortbyItem3</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>SortbyItem4</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>SortbyItem5</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>SortbyItem6</source>
        <translation>Data de criação</translation>
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
        <translation>Ocultar todos os itens</translation>
    </message>
    <message>
        <source>group_Item2</source>
        <translation>Mudar o nome</translation>
    </message>
    <message>
        <source>group_Item3</source>
        <translation>Eliminar grupo</translation>
    </message>
    <message>
        <source>AddItemPlString</source>
        <translation>Adicionar grupo</translation>
    </message>
    <message>
        <source>oldPasswordLabel.stringValue</source>
        <translation>Palavra-passe atual:</translation>
    </message>
    <message>
        <source>nowPasswordLabel.stringValue</source>
        <translation>Nova palavra-passe:</translation>
    </message>
    <message>
        <source>verifyLabel.stringValue</source>
        <translation>Confirmar:</translation>
    </message>
    <message>
        <source>passwordHitLabel.stringValue</source>
        <translation>Dica:</translation>
    </message>
    <message>
        <source>changeVltPassword</source>
        <translation>Alterar a palavra-passe de %1</translation>
    </message>
    <message>
        <source>changePassword</source>
        <translation>Alterar palavra-passe</translation>
    </message>
    <message>
        <source>changePasswordBtn.title</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>ProceedAnyway.StringValue</source>
        <translation>Alterar palavra-passe</translation>
    </message>
    <message>
        <source>passwordMessage.StringValue</source>
        <translation>Alterar a palavra-passe mestra?</translation>
    </message>
    <message>
        <source>passwordInfomation.StringValue</source>
        <translation>A partir de agora, o Vexo só abre com a nova palavra-passe. Os itens ocultados antes da alteração voltam a ser mostrados como antes.</translation>
    </message>
    <message>
        <source>passwordNotSaved.StringValue</source>
        <translation>Não foi possível guardar a nova palavra-passe. O Vexo continua a abrir com a palavra-passe antiga.</translation>
    </message>
    <message>
        <source>drivePasswordNotSaved</source>
        <translation>Não foi possível escrever a nova palavra-passe no cofre da unidade %1. Mantém a palavra-passe antiga.</translation>
    </message>
    <message>
        <source>PasswordMenuItem2.title</source>
        <translation>Alterar palavra-passe…</translation>
    </message>
    <message>
        <source>note_Item1</source>
        <translation>Eliminar nota</translation>
    </message>
    <message>
        <source>note_Item2</source>
        <translation>Nova nota</translation>
    </message>
    <message>
        <source>NotesSortbyItem1</source>
        <translation>Data de adição</translation>
    </message>
    <message>
        <source>NotesSortbyItem2</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>NotesSortbyItem3</source>
        <translation>Data de criação</translation>
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
        <translation>Não foi possível guardar a nota «%1».</translation>
    </message>
    <message>
        <source>Format-FontMenuItem10.text</source>
        <translation>Mostrar tipos de letra</translation>
    </message>
    <message>
        <source>Format-FontMenuItem11.text</source>
        <translation>Mostrar cores</translation>
    </message>
    <message>
        <source>ProMenuItem2.title</source>
        <translation>Preferências…</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>general_checkBox1</source>
        <translation>Mostrar o assistente na barra de menus</translation>
    </message>
    <message>
        <source>general_checkBox2</source>
        <translation>Iniciar o assistente ao iniciar sessão</translation>
    </message>
    <message>
        <source>general_checkBox3</source>
        <translation>Enviar dados de utilização anónimos</translation>
    </message>
    <message>
        <source>general_p1_item0</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>general_p1_item1</source>
        <translation>Após 30 segundos</translation>
    </message>
    <message>
        <source>general_p1_item2</source>
        <translation>Após 1 minuto</translation>
    </message>
    <message>
        <source>general_p1_item3</source>
        <translation>Após 5 minutos</translation>
    </message>
    <message>
        <source>general_p1_item4</source>
        <translation>Após 15 minutos</translation>
    </message>
    <message>
        <source>general_p2_item0</source>
        <translation>Bloquear o cofre</translation>
    </message>
    <message>
        <source>general_p2_item1</source>
        <translation>Bloquear o cofre e fechar as suas janelas</translation>
    </message>
    <message>
        <source>general_p2_item2</source>
        <translation>Bloquear o cofre e o assistente</translation>
    </message>
    <message>
        <source>general_descTitleLabel1</source>
        <translation>Bloquear quando inativo:</translation>
    </message>
    <message>
        <source>general_descLabel1</source>
        <translation>O cofre bloqueia quando fica este tempo sem ser usado.</translation>
    </message>
    <message>
        <source>general_descTitleLabel2</source>
        <translation>Ao sair:</translation>
    </message>
    <message>
        <source>general_descLabel2</source>
        <translation>O cofre está sempre bloqueado no arranque seguinte.</translation>
    </message>
    <message>
        <source>password_checkBox1</source>
        <translation>Bloquear o cofre antes de uma cópia de segurança</translation>
    </message>
    <message>
        <source>password_descLabel</source>
        <translation>A palavra-passe mestra abre o cofre. Altere-a aqui; a dica ajuda a lembrá-la.</translation>
    </message>
    <message>
        <source>password_ChangeBtn.stringvalue</source>
        <translation>Alterar palavra-passe…</translation>
    </message>
    <message>
        <source>advanced_CheckBox1</source>
        <translation>Apagar de forma segura os dados restantes após ocultar</translation>
    </message>
    <message>
        <source>advanced_CheckBox2</source>
        <translation>Mostrar os ficheiros que voltam a ficar visíveis a partir do assistente da barra de menus</translation>
    </message>
    <message>
        <source>advanced_CheckBox3</source>
        <translation>Mostrar os ficheiros que voltam a ficar visíveis a partir da janela principal</translation>
    </message>
    <message>
        <source>advanced_Item0</source>
        <translation>Uma passagem de zeros</translation>
    </message>
    <message>
        <source>advanced_Item1</source>
        <translation>Uma passagem de dados aleatórios</translation>
    </message>
    <message>
        <source>advanced_Item2</source>
        <translation>Três passagens</translation>
    </message>
    <message>
        <source>advanced_descTitleLabel1</source>
        <translation>Eliminação segura:</translation>
    </message>
    <message>
        <source>advanced_descTitleLabel2</source>
        <translation>Ao mostrar:</translation>
    </message>
    <message>
        <source>advanced_descTitleLabel3</source>
        <translation>Pasta do cofre:</translation>
    </message>
    <message>
        <source>advanced_descLabel</source>
        <translation>Os ficheiros ocultos e as notas são guardados nesta pasta.</translation>
    </message>
    <message>
        <source>changePathBtn.stringValue</source>
        <translation>Mover…</translation>
    </message>
    <message>
        <source>Error_Changepath_Title</source>
        <translation>Não foi possível mover a pasta do cofre.</translation>
    </message>
    <message>
        <source>Error_Changepath_Message</source>
        <translation>O cofre continua onde estava, com todo o seu conteúdo.</translation>
    </message>
    <message>
        <source>vaultMoveBusy</source>
        <translation>Aguarde até terminar de ocultar e mostrar itens e depois mova o cofre.</translation>
    </message>
    <message>
        <source>vaultMoveLeftBehind</source>
        <translation>O cofre está agora em %1, mas a pasta antiga não pôde ser totalmente removida. Pode apagar o que resta dela:</translation>
    </message>
    <message>
        <source>vaultMove.title</source>
        <translation>A mover o cofre</translation>
    </message>
    <message>
        <source>vaultMove.message</source>
        <translation>A mover o cofre para %1…</translation>
    </message>
    <message>
        <source>HelpMenuItem1.title</source>
        <translation>Ajuda do Vexo</translation>
    </message>
    <message>
        <source>kHelpUrl</source>
        <translation>qrc:/help/help.pt-PT.html</translation>
    </message>
    <message>
        <source>FilemenuItem5.title</source>
        <translation>Verificar itens ocultos…</translation>
    </message>
    <message>
        <source>vaultHealthy</source>
        <translation>Os %1 itens ocultos estão intactos: cada cópia guardada está completa e lê-se tal como foi ocultada.</translation>
    </message>
    <message>
        <source>vaultDamaged</source>
        <translation>%1 de %2 itens ocultos têm uma cópia guardada em falta ou danificada. Mantenha a pasta do cofre como está e restaure estes itens a partir de uma cópia de segurança:</translation>
    </message>
    <message>
        <source>general_checkBox4</source>
        <translation>Bloquear com o ecrã e ao suspender</translation>
    </message>
    <message>
        <source>advanced_eraseNote</source>
        <translation>Os discos SSD e os sistemas de ficheiros com cópia na escrita (como Btrfs ou ZFS) podem guardar cópias inalcançáveis dos dados substituídos. A encriptação integral do disco protege contra isso.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>pelimor::BurnRate</name>
    <message>
        <source>%1 MB/s (%2x)</source>
        <translation>%1 MB/s (%2x)</translation>
    </message>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <source>%1, less than a minute left</source>
        <translation>%1, falta menos de um minuto</translation>
    </message>
    <message>
        <source>%1, about %2 min left</source>
        <translation>%1, faltam cerca de %2 min</translation>
    </message>
</context>
<context>
    <name>pelimor::Form1</name>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Rev</source>
        <translation>Rev.</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>  Browse for ISO file</source>
        <translation>  Procurar arquivo ISO</translation>
    </message>
    <message>
        <source>   Burn ISO file to CD   </source>
        <translation>   Gravar arquivo ISO em CD   </translation>
    </message>
    <message>
        <source>Eject CD/DVD after burn</source>
        <translation>Ejetar o CD/DVD após gravar</translation>
    </message>
    <message>
        <source>%1 | Pelimor ISO Burn | ver. %2.%3.%4</source>
        <translation>%1 | Pelimor ISO Burn | versão %2.%3.%4</translation>
    </message>
    <message>
        <source>A burn is in progress. Stopping now will leave the disc unusable. Stop the burn?</source>
        <translation>Há uma gravação em andamento. Interrompê-la agora deixará o disco inutilizável. Interromper a gravação?</translation>
    </message>
    <message>
        <source>it was stopped before it had finished, and the disc is probably unusable</source>
        <translation>ela foi interrompida antes de terminar, e o disco provavelmente ficou inutilizável</translation>
    </message>
    <message>
        <source>it was stopped before anything was written, and the disc was not changed</source>
        <translation>ela foi interrompida antes que algo fosse gravado, e o disco não foi alterado</translation>
    </message>
    <message>
        <source>it was stopped after the disc had been erased; nothing was written to it</source>
        <translation>ela foi interrompida depois que o disco foi apagado; nada foi gravado nele</translation>
    </message>
    <message>
        <source>the recorder did not confirm that the image was written completely</source>
        <translation>o gravador não confirmou que a imagem foi gravada por completo</translation>
    </message>
    <message>
        <source>Select an ISO image to burn.</source>
        <translation>Selecione uma imagem ISO para gravar.</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; not found!</source>
        <translation>Arquivo ISO “%1” não encontrado.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>No CD/DVD recorder is selected. Connect a recorder that can write CDs and start the program again.</source>
        <translation>Nenhum gravador de CD/DVD selecionado. Conecte um gravador capaz de gravar CDs e inicie o programa novamente.</translation>
    </message>
    <message>
        <source>No recorder</source>
        <translation>Nenhum gravador</translation>
    </message>
    <message>
        <source>The burn did not complete: %1</source>
        <translation>A gravação não foi concluída: %1</translation>
    </message>
    <message>
        <source>Burn failed</source>
        <translation>Falha na gravação</translation>
    </message>
    <message>
        <source>Insert the disc</source>
        <translation>Insira o disco</translation>
    </message>
    <message>
        <source>Recorder not support. Try another CDROM drive.</source>
        <translation>Este gravador não é compatível. Tente outra unidade de CD.</translation>
    </message>
    <message>
        <source>Recorder not supported</source>
        <translation>Gravador não compatível</translation>
    </message>
    <message>
        <source>No CD in drive or current media not support. Please insert a blank CD and try again.</source>
        <translation>Não há CD na unidade ou a mídia inserida não é compatível. Insira um CD virgem e tente novamente.</translation>
    </message>
    <message>
        <source>Media not supported</source>
        <translation>Mídia não compatível</translation>
    </message>
    <message>
        <source>Insert a new/blank CD! Please insert a blank CD and try again.</source>
        <translation>O disco não está virgem. Insira um CD novo e virgem e tente novamente.</translation>
    </message>
    <message>
        <source>Media status - %1</source>
        <translation>Status da mídia – %1</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; cannot be read: %2</source>
        <translation>Não é possível ler o arquivo ISO “%1”: %2</translation>
    </message>
    <message>
        <source>File not readable</source>
        <translation>Arquivo ilegível</translation>
    </message>
    <message>
        <source>The disc already holds data. Please insert a blank CD and try again.</source>
        <translation>O disco já contém dados. Insira um CD virgem e tente novamente.</translation>
    </message>
    <message>
        <source>Media not blank</source>
        <translation>Mídia não virgem</translation>
    </message>
    <message>
        <source>The ISO image needs %1 MB but the disc has only %2 MB free. Please insert a larger blank disc and try again.</source>
        <translation>A imagem ISO precisa de %1 MB, mas o disco tem apenas %2 MB livres. Insira um disco virgem maior e tente novamente.</translation>
    </message>
    <message>
        <source>Disc too small</source>
        <translation>Disco pequeno demais</translation>
    </message>
    <message>
        <source>ISO burn complete!</source>
        <translation>Gravação da imagem ISO concluída!</translation>
    </message>
    <message>
        <source>The disc was not read back and compared with the image: this computer&apos;s disc-burning service cannot verify a burn.</source>
        <translation>O disco não foi lido de volta e comparado com a imagem: o serviço de gravação de discos deste computador não consegue verificar uma gravação.</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished, and the disc was read back and matches the image.</source>
        <translation>A interrupção chegou tarde demais: a gravação já havia terminado, e o disco foi relido e confere com a imagem.</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished.</source>
        <translation>A interrupção chegou tarde demais: a gravação já havia terminado.</translation>
    </message>
    <message>
        <source>The recorder did not eject the disc: please take it out by hand.</source>
        <translation>O gravador não ejetou o disco: retire-o manualmente.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Time: %1 / %2</source>
        <translation>Tempo: %1 / %2</translation>
    </message>
    <message>
        <source>Validating media %1</source>
        <translation>Validando a mídia – %1</translation>
    </message>
    <message>
        <source>Formatting media %1</source>
        <translation>Formatando a mídia – %1</translation>
    </message>
    <message>
        <source>Initializing Hardware </source>
        <translation>Inicializando o hardware</translation>
    </message>
    <message>
        <source>Calibrating Power (OPC) </source>
        <translation>Calibrando a potência do laser (OPC)</translation>
    </message>
    <message>
        <source>Progress:  %1</source>
        <translation>Progresso: %1</translation>
    </message>
    <message>
        <source>Finalizing </source>
        <translation>Finalizando o disco</translation>
    </message>
    <message>
        <source>Completed the burn.</source>
        <translation>Gravação concluída.</translation>
    </message>
    <message>
        <source>Verifying the data.</source>
        <translation>Verificando os dados.</translation>
    </message>
    <message>
        <source>Unknown action: %1</source>
        <translation>Ação desconhecida: %1</translation>
    </message>
    <message>
        <source>Checking the image: %1</source>
        <translation>Verificando a imagem: %1</translation>
    </message>
    <message>
        <source>The image &apos;%1&apos; does not match the %2 checksum published for it in &apos;%3&apos;.

Expected:
%4
Found:
%5

The download is damaged or incomplete. Please download the image again; the disc has not been touched.</source>
        <translation>A imagem “%1” não corresponde à soma de verificação %2 publicada para ela em “%3”.

Esperada:
%4
Encontrada:
%5

O download está danificado ou incompleto. Baixe a imagem novamente; o disco não foi tocado.</translation>
    </message>
    <message>
        <source>Image damaged</source>
        <translation>Imagem danificada</translation>
    </message>
    <message>
        <source>ISO files(*.iso)</source>
        <translation>Arquivos ISO (*.iso)</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Write the image file to the disc in the selected recorder</source>
        <translation>Grava o arquivo de imagem no disco do gravador selecionado</translation>
    </message>
    <message>
        <source>Browse for ISO file</source>
        <translation>Procurar arquivo ISO</translation>
    </message>
    <message>
        <source>Choose the image file to burn</source>
        <translation>Escolhe o arquivo de imagem a ser gravado</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Version and licence of Pelimor ISO Burn</source>
        <translation>Versão e licença do Pelimor ISO Burn</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Open the support page in the web browser</source>
        <translation>Abre a página de suporte no navegador</translation>
    </message>
    <message>
        <source>Recorders</source>
        <translation>Gravadores</translation>
    </message>
    <message>
        <source>The CD/DVD recorders that can write a disc</source>
        <translation>Os gravadores de CD/DVD capazes de gravar um disco</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>Arquivo de imagem</translation>
    </message>
    <message>
        <source>The ISO image file that will be burnt</source>
        <translation>O arquivo de imagem ISO que será gravado</translation>
    </message>
    <message>
        <source>Burn status</source>
        <translation>Status da gravação</translation>
    </message>
    <message>
        <source>What the recorder is doing</source>
        <translation>O que o gravador está fazendo</translation>
    </message>
    <message>
        <source>Pelimor ISO Burn logo</source>
        <translation>Logotipo do Pelimor ISO Burn</translation>
    </message>
    <message>
        <source>the recorder is being written by another Pelimor ISO Burn window. Wait until that burn has finished, or choose another recorder.</source>
        <translation>outra janela do Pelimor ISO Burn está gravando neste gravador. Aguarde o fim dessa gravação ou escolha outro gravador.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>%1 on %2: %3</source>
        <translation>%1 em %2: %3</translation>
    </message>
    <message>
        <source>Burn complete</source>
        <translation>Gravação concluída</translation>
    </message>
    <message>
        <source>The disc in %1 is a rewritable disc that holds data. Erase it and burn the image? Everything on the disc will be lost.</source>
        <translation>O disco em %1 é um disco regravável que contém dados. Apagá-lo e gravar a imagem? Tudo o que está no disco será perdido.</translation>
    </message>
    <message>
        <source>Erase the disc?</source>
        <translation>Apagar o disco?</translation>
    </message>
</context>
<context>
    <name>pelimor::Module1</name>
    <message>
        <source>You&apos;re computer requires an update from Microsoft. Visit Microsoft to update now... %1.</source>
        <translation>Seu computador precisa de uma atualização da Microsoft. Visite o site da Microsoft para atualizá-lo agora: %1.</translation>
    </message>
    <message>
        <source>Once you click &apos;OK&apos; you&apos;re browser will open the Microsoft web site follow the directions to install the CD/DVD burning support.</source>
        <translation>Depois que você clicar em “OK”, o navegador abrirá o site da Microsoft; siga as instruções para instalar o suporte à gravação de CD/DVD.</translation>
    </message>
    <message>
        <source>Microsoft download required</source>
        <translation>Download da Microsoft necessário</translation>
    </message>
</context>
<context>
    <name>pelimor::SleepInhibitor</name>
    <message>
        <source>Writing a disc</source>
        <translation>Gravando um disco</translation>
    </message>
</context>
<context>
    <name>pelimor::frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informações do &amp;sistema...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Aviso: ...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
    <message>
        <source>The licence, in English, the language in which it is given:</source>
        <translation>Licença (no texto original em inglês):</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento.</translation>
    </message>
</context>
</TS>

#include "Comandos.h"

namespace kelpa::cli {

const QList<Comando> &comandos()
{
    static const QList<Comando> lista = {
        {"init", "[--demo]", "cria Kelpa.db no diretório da base (--demo: com uma operadora de demonstração)", comandoInit},
        {"info", "", "mostra a versão da base e as operadoras cadastradas", comandoInfo},
        {"upgrade", "[--dir DIR]", "atualiza o esquema e os dados de uma base de versão anterior", comandoUpgrade},
        {"export", "[--dir DIR] --operator CODIGO --out ARQUIVO.dip",
         "gera o arquivo de envio da operadora conforme Expt_Kelpa.dat do diretório do programa", comandoExport},
        {"defs", "encipher|decipher ENTRADA SAIDA", "cifra ou decifra um arquivo de definições da exportação",
         comandoDefs},
        {"print", "[--dir DIR] --operator CODIGO --quadro N [--period dd/mm/aaaa] --pdf ARQUIVO.pdf",
         "imprime o relatório de um quadro (ou \"validacao\": erros e avisos) em PDF", comandoPrint},
        {"validate", "[--dir DIR] --operator CODIGO",
         "valida os dados da operadora; uma constatação por linha; sai com 0 se o envio estiver liberado, 1 se bloqueado",
         comandoValidate},
        {"submission", "[--dir DIR] --operator CODIGO --target DIR",
         "valida e grava o arquivo de envio compactado (.diz) e OPERADORA.COD no diretório de destino", comandoSubmission},
        {"transmit", "[--dir DIR] --operator CODIGO  (senha na entrada padrão)",
         "valida, gera o arquivo de envio e o entrega ao VTX, o programa de transmissão da QOR", comandoTransmit},
        {"backup", "[--dir DIR] --target DIR", "grava a cópia de segurança da base (KelpaAAAAMMDDhhmmss.BKP) no diretório de destino",
         comandoBackup},
        {"restore", "[--dir DIR] --file ARQUIVO.BKP", "substitui a base de dados pela cópia de segurança", comandoRestore},
    };
    return lista;
}

} // namespace kelpa::cli

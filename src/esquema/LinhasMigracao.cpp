#include "LinhasMigracao.h"

namespace kelpa {

// The texts are the regulator's, character by character: their odd spacing,
// abbreviations and punctuation are part of what the validation and the printed
// quadros show, so they are never tidied up here.

namespace {

struct BemCodigo {
    const char *codigo;
    const char *nome;
    const char *indicador;
    int fundo;
};

// In this order; there is no code 1006.
const BemCodigo bensCodigo[] = {
    {"1001", "Títulos de emissão do tesouro nacional", "C", 0},
    {"1002", "Títulos do Banco Central do Brasil", "C", 0},
    {"1003", "Créditos securitizados pelo Tesouro Nacional", "C", 0},
    {"1004", "Títulos de emissão de Estados e Municípios", "S", 0},
    {"1005", "Quotas fundo invest.in.Excl./Títulos Federais", "X", 1},
    {"1007", "Certificados e Recibos de depósito bancário", "S", 0},
    {"1008", "Letras de Câmbio de aceite instituiç. Finan.", "S", 0},
    {"1009", "Letras Hipotecárias", "C", 0},
    {"1010", "Letras e cédulas de Crédito Imobiliário", "S", 0},
    {"1011", "Cédulas de crédito bancário", "S", 0},
    {"1012", "Certificados de cédulas de crédito bancário", "S", 0},
    {"1013", "Debêntures de distribuição pública;", "S", 0},
    {"1014", "Cédulas de debêntures;", "S", 0},
    {"1015", "Notas promissórias de S/A de oferta pública", "C", 0},
    {"1016", "Certificados de recebíveis imobiliários", "X", 0},
    {"1017", "Mercadorias/serviços-títulos ou certificado", "X", 0},
    {"1018", "Quotas de fundos de investimento financeiro", "B", 1},
    {"1019", "Quotas de fundos em quotas fundos de invest", "B", 1},
    {"1020", "Depósitos de poupança", "O", 0},
    {"1021", "Quotas de fundos de investimento no exterior", "O", 1},
    {"1022", "Quotas de fundos-direitos creditórios", "O", 1},
    {"1023", "Quotas de fundos de invest./quotas fundo/DC", "O", 1},
    {"1024", "Quota de fundo exclusivo de operadoras", "O", 1},
    {"1025", "80%recibos de depósito cooperado", "O", 1},
    {"2001", "Ações negociadas em bolsa", "O", 0},
    {"2002", "Ações de S/A de segmento especial Bovespa", "X", 0},
    {"2003", "Bônus, recibos e certificados do ativo 2002", "X", 0},
    {"2004", "Quotas de fundos de invest. ativos 2002/2003", "X", 0},
    {"2005", "Quota de fundo em quotas de fundo ativo 2004", "X", 1},
    {"2006", "Ações S/A Nível 2 da Bovespa", "C", 0},
    {"2007", "Bônus, recibos e certificados ativo 2006", "C", 0},
    {"2008", "Quotas de fundos de invest.ativo 2006/2007", "C", 1},
    {"2009", "Quota de fundo em quotas de fundo ativo 2008", "C", 1},
    {"2010", "Ações S/A Nível 1 da Bovespa", "C", 0},
    {"2011", "Bônus, recibos e certificados ativo 2010", "C", 0},
    {"2012", "Quotas de fundos de invest.ativo 2010/2011", "C", 1},
    {"2013", "Quota de fundo em quotas de fundo ativo 2012", "C", 1},
    {"2014", "Ações, bônus, recibos e certificados de ações", "X", 0},
    {"2015", "Quotas de fundos de invest. de ativo 2014", "C", 1},
    {"2016", "Quota de fundo em quota de fundo ativo 2015", "C", 1},
    {"2017", "Ações,bônus,recibos e certificados balcão/CVM", "C", 0},
    {"2018", "Ações e debêntures de SPE", "C", 0},
    {"2019", "Quota de fundo de invest. Empresa emergente", "C", 0},
    {"2020", "Quota de fundo de invest em participações - CVM", "C", 1},
    {"2021", "Quota de fundo de invest. Condominio fechado", "O", 1},
    {"2022", "Quota de fundo em fundo de invest.condo.fechado", "O", 1},
    {"2023", "Certificado de depósito -valor mobiliário/BDR", "O", 0},
    {"2024", "Ações MERCOSUL", "C", 0},
    {"2025", "Debêntures com participação nos lucros - CVM", "C", 0},
    {"3001", "Imóvel rede própria urbano", "I", 0},
    {"3002", "Imóvel não rede própria urbano", "I", 0},
    {"3003", "Imóvel rede própria rural", "I", 0},
    {"3004", "Imóvel não rede própria rural", "I", 0},
    {"3018", "Imóveis (Líquido de Depreciação)", "I", 0},
    {"3026", "Direitos Resultantes da Venda de Imóveis", "I", 0},
    {"3034", "Terrenos", "I", 0},
    {"3035", "Direitos Resultantes da Venda de Terrenos", "I", 0},
    {"3042", "Quotas de Fundos de Invest Imobiliários", "I", 0},
};

struct ItemSaldo {
    const char *codigo;
    const char *descricao;
    const char *sinal;
    const char *dica;
};

const ItemSaldo itensSaldo[] = {
    {"01", "(-) Lucros distribuídos",
     "N", "Informar a parcela dos lucros/sobras destinada aos sócios/acionistas/cooperados."},
    {"02", "(-) Constituição de Reservas",
     "N", "Informar o montante das reservas constituídas a partir da apuração do lucro líquido do período."},
    {"03", "(+) Reversão de Reservas",
     "P", "Informar o valor relativo à reversão de reservas constituídas anteriormente."},
    {"04", "(+/-) Resultado Líquido",
     "A", "O valor reportado neste campo deverá ser igual àquele informado na linha de Resultado Líquido do Quadro 13."},
    {"05", "(-) Juros sobre o capital próprio",
     "N", "Informar o valor dos juros pagos ou creditados pela operadora a título de remuneração do capital próprio."},
    {"06", "(+/-) Ajuste de exercícios anteriores",
     "A", "Informar os valores contabilizados, decorrentes de ajustes ao resultado de exercícios anteriores."},
    {"07", "(-) Lucro incorporado ao capital social",
     "N", "Informar a parcela do Lucro Acumulado incorporada ao capital social, conforme decisão em assembléia geral ou alteração contratual."},
    {"08", "(+/-) Outros",
     "A", "Informar qualquer outro lançamento na conta 2518; ou 2618; ou 2718 que não se enquadre nas situações anteriores."},
};

struct DespesaComerc {
    const char *codigo;
    const char *descricao;
    const char *tipo;
    const char *dica;
};

// The hints break their lines with a bare carriage return, as the hint boxes of the
// quadro show them; the spaces before a line end are part of the text.
const DespesaComerc despesasComerc[] = {
    {"010", "Despesas de Comercialização na modalidade de pré-pagamento", "M",
     "Corresponde à soma algébrica, do trimestre, das seguintes \r"
     "subcontas do Plano de Contas Padrão (RDC n.º 38, de 27/10/00 \r"
     "e suas posteriores alterações):\r"
     "431111, 431121, 431131, 431141, 431311, 431321."},
    {"020", "Despesas de Comercialização em outras modalidades", "M",
     "Corresponde à soma algébrica, do trimestre, das seguintes \r"
     "subcontas do Plano de Contas Padrão (RDC n.º 38, de 27/10/00 \r"
     "e suas posteriores alterações):\r"
     "431112, 431122, 431132, 431142, 43115, 431312, 431322 e 43134."},
    {"025", "Variação de Comissões Diferidas", "M",
     "Corresponde à conta 4331 do Plano de Contas Padrão (RDC n.º 38, \r"
     "de 27/10/00 e suas posteriores alterações)."},
    {"030", "Despesas de Comercialização na modalidade de pré-pagamento", "O",
     "Corresponde à soma algébrica, do trimestre, das seguintes \r"
     "subcontas do Plano de Contas Padrão (RDC n.º 38, de 27/10/00 \r"
     "e suas posteriores alterações):\r"
     "431211, 431221, 431231, 431241, 431411, 431421."},
    {"040", "Despesas de Comercialização em outras modalidades", "O",
     "Corresponde à soma algébrica, do trimestre, das seguintes \r"
     "subcontas do Plano de Contas Padrão (RDC n.º 38, de 27/10/00 \r"
     "e suas posteriores alterações):\r"
     "431212, 431222, 431232, 431242, 43125, 431412, 431422 e 43144."},
    {"045", "Variação de Comissões Diferidas", "O",
     "Corresponde à conta 4332 do Plano de Contas Padrão (RDC n.º 38, \r"
     "de 27/10/00 e suas posteriores alterações)."},
};

} // namespace

QDate dataLinhasMigracao()
{
    return QDate(2005, 1, 1);
}

const QList<LinhaBemCodigo> &linhasBemCodigo()
{
    static const QList<LinhaBemCodigo> linhas = [] {
        QList<LinhaBemCodigo> l;
        for (const BemCodigo &b : bensCodigo)
            l.append({QString::fromUtf8(b.codigo), QString::fromUtf8(b.nome), QString::fromUtf8(b.indicador), b.fundo});
        return l;
    }();
    return linhas;
}

const QList<LinhaItemSaldo> &linhasItemSaldo()
{
    static const QList<LinhaItemSaldo> linhas = [] {
        QList<LinhaItemSaldo> l;
        for (const ItemSaldo &i : itensSaldo)
            l.append({QString::fromUtf8(i.codigo), dataLinhasMigracao(), QString::fromUtf8(i.descricao),
                      QString::fromUtf8(i.sinal), QString::fromUtf8(i.dica)});
        return l;
    }();
    return linhas;
}

const QList<LinhaDespesaComerc> &linhasDespesasComerc()
{
    static const QList<LinhaDespesaComerc> linhas = [] {
        QList<LinhaDespesaComerc> l;
        for (const DespesaComerc &c : despesasComerc)
            l.append({QStringLiteral("20"), dataLinhasMigracao(), QString::fromUtf8(c.codigo),
                      QString::fromUtf8(c.descricao), QString::fromUtf8(c.tipo), QString::fromUtf8(c.dica)});
        return l;
    }();
    return linhas;
}

} // namespace kelpa

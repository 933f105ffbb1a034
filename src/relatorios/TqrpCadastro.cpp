#include "TqrpCadastro.h"

#include "CamposFormulario.h"
#include "app/Utilitarios.h"
#include "plataforma/FormatoBR.h"

namespace kelpa::relatorios {

namespace {

QString cep(const QString &armazenado)
{
    return armazenado.size() == 8 ? armazenado.left(5) + QLatin1Char('-') + armazenado.mid(5) : armazenado;
}

QList<Banda> endereco(const QString &titulo, const EnderecoImpresso &e, double largura)
{
    return {Formulario::secao(titulo, largura),
            Formulario::linha({{QStringLiteral("Logradouro (Rua, Av, etc.)"), e.logradouro, 3.2},
                               {QStringLiteral("Nº"), e.numero, 0.6},
                               {QStringLiteral("Complemento (Ap., Bl., Cs)"), e.complemento, 1.3},
                               {QStringLiteral("Bairro ou Distrito"), e.bairro, 1.5}},
                              largura),
            Formulario::linha({{QStringLiteral("Município"), e.municipio, 3.2},
                               {QStringLiteral("UF"), e.uf, 0.6},
                               {QStringLiteral("CEP"), cep(e.cep), 2.8}},
                              largura)};
}

// "DDI :" when the phone has an international code, "DDD :" otherwise.
CampoFormulario codigoArea(const TelefoneImpresso &t)
{
    return t.ddi.isEmpty() ? CampoFormulario{QStringLiteral("DDD"), t.ddd, 0.5}
                           : CampoFormulario{QStringLiteral("DDI"), t.ddi, 0.5};
}

} // namespace

QString TqrpCadastro::rotuloVigencia(const QDate &periodo, bool operadoraDePlanos)
{
    const QDate piso = operadoraDePlanos ? QDate(2001, 1, 1) : QDate(2007, 1, 1);
    return QStringLiteral("Vigência:  A partir de ") + FormatoBR::data(periodo < piso ? piso : periodo);
}

void TqrpCadastro::carregarDados(const QSqlDatabase &db)
{
    m_dados = DadosCadastroImpressao::ler(db, operadora(), dataReferencia());
    setVigencia(m_dados.periodo.isValid() ? rotuloVigencia(m_dados.periodo, operadoraDePlanos()) : QString());
}

QList<Banda> TqrpCadastro::corpo(double largura) const
{
    const CadastroEmVigor &d = m_dados;
    const bool desde2005 = d.periodo >= QDate(2005, 1, 1);
    const bool planos = operadoraDePlanos();
    QList<Banda> bandas;

    bandas << Formulario::secao(QStringLiteral("Operadora"), largura)
           << Formulario::linha({{QStringLiteral("Razão Social"), d.nome, 3},
                                 {QStringLiteral("CNPJ"), FormataDocumento(d.cnpj), 1.3}},
                                largura)
           << Formulario::linha({{QStringLiteral("Nome Fantasia"), d.nomeFantasia, 2},
                                 {QStringLiteral("E-mail da Operadora"), d.email, 2.3}},
                                largura);

    // The kind of company is not asked from 2005 on; the region only from then, and
    // an insurer has no segmentation.
    const CampoFormulario natureza{QStringLiteral("Natureza Jurídica"), d.natureza.toUpper(), 2.2};
    const CampoFormulario modalidade{QStringLiteral("Modalidade"), d.modalidade.toUpper(), 1.6};
    const CampoFormulario segmentacao{QStringLiteral("Segmentação"), d.segmentacao.toUpper(), 1.6};
    bandas << Formulario::secao(QStringLiteral("Classificação"), largura);
    if (desde2005) {
        QList<CampoFormulario> linha{natureza, modalidade};
        if (planos)
            linha << segmentacao;
        bandas << Formulario::linha(linha, largura);
        if (d.regiao.value_or(0) != 0)
            bandas << Formulario::linha({{QStringLiteral("Região de Atuação"),
                                          QStringLiteral("REGIÃO %1").arg(*d.regiao), 1},
                                         {QString(), QString(), 3.3}},
                                        largura);
    } else {
        bandas << Formulario::linha(
            {natureza, {QStringLiteral("Tipo Sociedade"), d.sociedade.toUpper(), 1.4}, modalidade}, largura);
        if (planos)
            bandas << Formulario::linha({segmentacao, {QString(), QString(), 2.7}}, largura);
    }

    bandas << endereco(QStringLiteral("Endereço da Matriz"), d.matriz, largura);

    bandas << Formulario::secao(QStringLiteral("Telefone(s)"), largura);
    // Two phones a line; the fax on a line of its own.
    for (qsizetype i = 0; i < d.telefones.size(); i += 2) {
        QList<CampoFormulario> linha;
        for (qsizetype j = i; j < i + 2; ++j) {
            if (j < d.telefones.size()) {
                const TelefoneImpresso &t = d.telefones.at(j);
                linha << codigoArea(t) << CampoFormulario{QStringLiteral("Telefone"), t.numero, 1.2}
                      << CampoFormulario{QStringLiteral("Ramal"), t.ramal, 0.55};
            } else {
                linha << CampoFormulario{QString(), QString(), 2.25};
            }
        }
        bandas << Formulario::linha(linha, largura);
    }
    if (d.telefones.isEmpty())
        bandas << Formulario::linha({{QStringLiteral("Telefone"), QString(), 1}}, largura);
    const TelefoneImpresso fax = d.fax.value_or(TelefoneImpresso{});
    bandas << Formulario::linha({codigoArea(fax), {QStringLiteral("Fax"), fax.numero, 1.2}, {QString(), QString(), 2.8}},
                                largura);

    bandas << endereco(QStringLiteral("Endereço para Correspondência"), d.correspondencia, largura);
    return bandas;
}

} // namespace kelpa::relatorios

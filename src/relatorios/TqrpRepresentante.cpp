#include "TqrpRepresentante.h"

#include "CamposFormulario.h"
#include "PeriodoEmVigor.h"

#include "app/Utilitarios.h"
#include "plataforma/FormatoBR.h"

namespace kelpa::relatorios {

void TqrpRepresentante::carregarDados(const QSqlDatabase &db)
{
    m_periodo = PeriodoEmVigor::inicio(db, QStringLiteral("DIRETORRELACOES"), operadora(), dataReferencia());
    m_pessoa.reset();
    if (m_periodo.isValid()) {
        Representante representante(db, operadora());
        m_pessoa = representante.Pessoa(representante.Carrega(m_periodo).idPsoa);
    }
    setVigencia(m_periodo.isValid() ? QStringLiteral("Vigência:  A partir de ") + FormatoBR::data(m_periodo) : QString());
}

QList<Banda> TqrpRepresentante::corpo(double largura) const
{
    QList<Banda> bandas;
    if (!m_pessoa)
        return bandas;
    const DadosPessoa &d = m_pessoa->dados;
    const QString documento = FormataDocumento(d.documento) + (d.estrangeiro ? QStringLiteral("  [ESTRANGEIRO]") : QString());
    const QString numero = d.numero.trimmed().isEmpty() && d.complemento.trimmed().isEmpty()
                               ? QString()
                               : QStringLiteral("Nº : ") + d.numero.trimmed()
                                     + (d.complemento.trimmed().isEmpty() ? QString() : QStringLiteral(" / ") + d.complemento.trimmed());
    const QString cep = d.cep.size() == 8 ? d.cep.left(5) + QLatin1Char('-') + d.cep.mid(5) : d.cep;
    bandas << Formulario::secao(QStringLiteral("Representante"), largura)
           << Formulario::linha({{QStringLiteral("Nome"), d.nome, 3}, {QStringLiteral("CPF"), documento, 1.5}}, largura)
           << Formulario::secao(QStringLiteral("Endereço Domiciliar do Representante Legal"), largura)
           << Formulario::linha({{QStringLiteral("Logradouro (Rua, Av., etc.)"), d.logradouro, 3},
                                 {QStringLiteral("Número / Complemento"), numero, 1.5},
                                 {QStringLiteral("Bairro ou Distrito"), d.bairro, 1.5}},
                                largura)
           << Formulario::linha({{QStringLiteral("Município"), d.nomeMunicipio, 3},
                                 {QStringLiteral("UF"), d.uf, 0.5},
                                 {QStringLiteral("CEP"), cep, 1.5}},
                                largura)
           << Formulario::linha({{QStringLiteral("E-mail de contato"), d.email, 1}}, largura)
           << Formulario::secao(QStringLiteral("Telefone(s)"), largura);
    for (const Telefone &t : m_pessoa->telefones)
        bandas << Formulario::linha({{t.exterior() ? QStringLiteral("DDI :") : QStringLiteral("DDD :"), t.codigo().trimmed(), 0.6},
                                     {QStringLiteral("Telefone"), t.numero.trimmed(), 1.4},
                                     {QStringLiteral("Ramal"), t.ramal.trimmed(), 0.8},
                                     {QString(), QString(), 3.2}},
                                    largura);
    if (m_pessoa->telefones.isEmpty())
        bandas << Formulario::linha({{QStringLiteral("Telefone"), QString(), 1}}, largura);
    return bandas;
}

} // namespace kelpa::relatorios

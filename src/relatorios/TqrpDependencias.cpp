#include "TqrpDependencias.h"

#include "CamposFormulario.h"
#include "PeriodoEmVigor.h"

#include "app/Utilitarios.h"
#include "plataforma/FormatoBR.h"

namespace kelpa::relatorios {

void TqrpDependencias::carregarDados(const QSqlDatabase &db)
{
    m_periodo = PeriodoEmVigor::inicio(db, QStringLiteral("QUADRODEPENDENCIAS"), operadora(), dataReferencia());
    m_ramos.clear();
    if (m_periodo.isValid()) {
        CadastroPessoas pessoas(db, operadora());
        for (const Dependencia &d : Dependencias(db, operadora()).Lista(m_periodo, Dependencias::Coluna::Nome)) {
            if (d.idPsoa <= 0)
                continue;
            Ramo r{d, pessoas.Carrega(d.idPsoa).value_or(DadosPessoa{}), {}, {}};
            r.telefones = pessoas.Telefones(d.idPsoa, r.dados.dataDados);
            if (d.idResponsavel > 0)
                if (const auto responsavel = pessoas.Pessoa(d.idResponsavel))
                    r.responsavel = responsavel->nome.toUpper();
            m_ramos << r;
        }
    }
    setVigencia(m_periodo.isValid() ? QStringLiteral("Vigência:  A partir de ") + FormatoBR::data(m_periodo) : QString());
}

QList<Banda> TqrpDependencias::corpo(double largura) const
{
    // The e-mail, the person in charge and the sales answer were asked until 2004.
    const bool ate2004 = m_periodo < QDate(2005, 1, 1);
    QList<Banda> bandas;
    for (const Ramo &r : m_ramos) {
        const DadosPessoa &d = r.dados;
        const QString numero = d.complemento.trimmed().isEmpty() ? d.numero.trimmed()
                                                                 : d.numero.trimmed() + QStringLiteral(" / ") + d.complemento.trimmed();
        const QString cep = d.cep.size() == 8 ? d.cep.left(5) + QLatin1Char('-') + d.cep.mid(5) : d.cep;
        bandas << Formulario::secao(QStringLiteral("[%1]").arg(r.dependencia.nomeTipo.toUpper()), largura)
               << Formulario::linha({{QStringLiteral("Razão Social"), r.dependencia.nome.toUpper(), 3},
                                     {QStringLiteral("CNPJ"), FormataDocumento(r.dependencia.cnpj), 1.5}},
                                    largura)
               << Formulario::linha({{QStringLiteral("Logradouro"), d.logradouro, 3},
                                     {QStringLiteral("Número / Complemento"), numero, 1.5},
                                     {QStringLiteral("Bairro"), d.bairro, 1.5}},
                                    largura)
               << Formulario::linha({{QStringLiteral("Município"), d.nomeMunicipio, 3},
                                     {QStringLiteral("UF"), d.uf, 0.5},
                                     {QStringLiteral("CEP"), cep, 1.5}},
                                    largura);
        QStringList telefones;
        for (const Telefone &t : r.telefones)
            telefones << QStringLiteral("(%1) %2").arg(t.codigo().trimmed(), t.numero.trimmed())
                             + (t.ramal.trimmed().isEmpty() ? QString() : QStringLiteral("  Ramal: ") + t.ramal.trimmed());
        const QString fax = d.faxNumero.trimmed().isEmpty() ? QString()
                                                            : QStringLiteral("(%1) %2").arg(d.faxCodigo.trimmed(), d.faxNumero.trimmed());
        bandas << Formulario::linha({{QStringLiteral("Telefone(s)"), telefones.join(QStringLiteral("    ")), 3},
                                     {QStringLiteral("Fax"), fax, 1.5}},
                                    largura);
        if (ate2004)
            bandas << Formulario::linha({{QStringLiteral("E-mail de contato"), d.email, 2},
                                         {QStringLiteral("Responsável"), r.responsavel, 2},
                                         {QStringLiteral("Comercializa planos"),
                                          r.dependencia.comercializacao == QLatin1String("T") ? QStringLiteral("Sim") : QStringLiteral("Não"),
                                          1}},
                                        largura);
    }
    return bandas;
}

} // namespace kelpa::relatorios

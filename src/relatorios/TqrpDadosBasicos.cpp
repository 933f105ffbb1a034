#include "TqrpDadosBasicos.h"

#include "CamposFormulario.h"
#include "app/Utilitarios.h"
#include "plataforma/FormatoBR.h"

namespace kelpa::relatorios {

bool TqrpDadosBasicos::vazio() const
{
    if (!m_dados.periodo.isValid())
        return true;
    const bool semFundacao = !mostraFundacao() || (!m_dados.fundacao.isValid() && m_dados.funcionarios.value_or(0) == 0);
    return semFundacao && m_dados.responsaveis.isEmpty();
}

void TqrpDadosBasicos::carregarDados(const QSqlDatabase &db)
{
    m_dados = DadosBasicosImpressao::ler(db, operadora(), dataReferencia());
    setVigencia(m_dados.periodo.isValid() ? QStringLiteral("Vigência:  A partir de ") + FormatoBR::data(m_dados.periodo)
                                          : QString());
}

QList<Banda> TqrpDadosBasicos::corpo(double largura) const
{
    QList<Banda> bandas;
    if (mostraFundacao())
        bandas << Formulario::secao(QStringLiteral("Operadora"), largura)
               << Formulario::linha({{QStringLiteral("Fundação da Operadora"), FormatoBR::data(m_dados.fundacao), 1},
                                     {QStringLiteral("Qtde de Funcionários"),
                                      m_dados.funcionarios ? FormatoBR::inteiro(*m_dados.funcionarios) : QString(), 1},
                                     {QString(), QString(), 2}},
                                    largura);

    bandas << Formulario::secao(QStringLiteral("Responsáveis"), largura);
    const EstiloTexto rotulo{6.3, false, false, QColor(80, 80, 80)};
    const EstiloTexto valor{8.5, false, false, QColor(0, 0, 0)};
    const double xDocumento = largura * 0.56;
    const double xRegistro = largura * 0.80;
    for (const ResponsavelImpresso &r : m_dados.responsaveis) {
        Banda b(TipoBanda::Detalhe);
        b.texto(QRectF(1, 1.0, xDocumento - 2, 4), r.tipoDescricao, Qt::AlignLeft | Qt::AlignTop, EstiloTexto::forte(8.5));
        if (r.estrangeiro)
            b.rotulo(QRectF(xDocumento, 1.0, largura - xDocumento - 1, 4), QStringLiteral("[ESTRANGEIRO]"),
                     Qt::AlignLeft | Qt::AlignTop, EstiloTexto::forte(7.5));
        b.rotulo(QRectF(1, 5.6, xDocumento - 2, 2.6), r.pessoaFisica ? QStringLiteral("Nome") : QStringLiteral("Razão Social"),
                 Qt::AlignLeft | Qt::AlignTop, rotulo);
        b.rotulo(QRectF(xDocumento, 5.6, xRegistro - xDocumento - 1, 2.6),
                 r.pessoaFisica ? QStringLiteral("CPF") : QStringLiteral("CNPJ"), Qt::AlignLeft | Qt::AlignTop, rotulo);
        b.rotulo(QRectF(xRegistro, 5.6, largura - xRegistro - 1, 2.6), QStringLiteral("Registro"),
                 Qt::AlignLeft | Qt::AlignTop, rotulo);
        b.texto(QRectF(1, 8.4, xDocumento - 2, 4), r.nome, Qt::AlignLeft | Qt::AlignTop, valor);
        b.texto(QRectF(xDocumento, 8.4, xRegistro - xDocumento - 1, 4), FormataDocumento(r.documento),
                Qt::AlignLeft | Qt::AlignTop, valor);
        b.texto(QRectF(xRegistro, 8.4, largura - xRegistro - 1, 4), r.registro, Qt::AlignLeft | Qt::AlignTop, valor);
        b.setAltura(13.4);
        bandas << b;
    }
    return bandas;
}

} // namespace kelpa::relatorios

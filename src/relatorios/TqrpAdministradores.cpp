#include "TqrpAdministradores.h"

#include "PeriodoEmVigor.h"

#include "app/ServicosOperadora.h"
#include "app/Utilitarios.h"
#include "plataforma/FormatoBR.h"

namespace kelpa::relatorios {

void TqrpAdministradores::carregarDados(const QSqlDatabase &db)
{
    m_periodo = PeriodoEmVigor::inicio(db, QStringLiteral("QUADROADMINISTRADORES"), operadora(), dataReferencia());
    m_administradores = m_periodo.isValid()
                            ? Administradores(db, operadora()).Lista(m_periodo, Administradores::Coluna::Nome)
                            : QList<Administrador>{};
    m_patrocinada = ServicosOperadora(db, operadora()).AutogestaoPatrocinada();
    setVigencia(m_periodo.isValid() ? QStringLiteral("Vigência :  A partir de ") + FormatoBR::data(m_periodo) : QString());
}

QList<Banda> TqrpAdministradores::corpo(double largura) const
{
    const EstiloTexto rotulo{6.3, false, false, QColor(80, 80, 80)};
    const EstiloTexto valor{8.5, false, false, QColor(0, 0, 0)};
    const bool mostraOrgao = !Administradores::DesdeDe2005(m_periodo);
    // Columns: name and office share the left, CPF and term the right.
    const double xCpf = largura * 0.56;
    const double xFim = largura * 0.78;
    QList<Banda> bandas;
    for (const Administrador &a : m_administradores) {
        Banda b(TipoBanda::Detalhe);
        auto campo = [&](double x, double y, double w, const QString &titulo, const QString &texto) {
            b.rotulo(QRectF(x, y, w, 2.6), titulo, Qt::AlignLeft | Qt::AlignTop, rotulo);
            b.texto(QRectF(x, y + 2.8, w, 4), texto, Qt::AlignLeft | Qt::AlignTop, valor);
        };
        campo(1, 1, xCpf - 2, QStringLiteral("Nome"), a.nome.toUpper());
        campo(xCpf, 1, xFim - xCpf - 1, QStringLiteral("CPF"), FormataDocumento(a.cpf));
        if (a.estrangeiro)
            b.rotulo(QRectF(xFim, 3.8, largura - xFim - 1, 4), QStringLiteral("[ESTRANGEIRO]"), Qt::AlignLeft | Qt::AlignTop,
                     EstiloTexto::forte(7.5));
        campo(1, 8.4, xCpf - 2, QStringLiteral("Cargo/Função"), a.cargo.toUpper());
        campo(xCpf, 8.4, xFim - xCpf - 1, QStringLiteral("Mandato  Início :"), FormatoBR::data(a.inicioMandato));
        campo(xFim, 8.4, largura - xFim - 1, QStringLiteral("Fim    :"), FormatoBR::data(a.fimMandato));
        double y = 15.8;
        if (mostraOrgao) {
            campo(1, y, xCpf - 2, QStringLiteral("Órgão :"), a.nomeOrgao);
            y += 7.4;
        }
        // The technical officer's line prints with its row, in the row's colour.
        if (a.responsavelTecnico && !m_patrocinada) {
            b.texto(QRectF(1, y, xCpf - 2, 4), QStringLiteral("RESPONSÁVEL TÉCNICO"), Qt::AlignLeft | Qt::AlignTop,
                    EstiloTexto::forte(8));
            const QString conselho = a.tipoResponsavel == QLatin1String("M") ? QStringLiteral("CRM: ") : QStringLiteral("CRO: ");
            b.texto(QRectF(xCpf, y, largura - xCpf - 1, 4), conselho + a.conselho, Qt::AlignLeft | Qt::AlignTop, EstiloTexto::forte(8));
            y += 5;
        }
        b.setAltura(y + 0.6);
        bandas << b;
    }
    return bandas;
}

} // namespace kelpa::relatorios

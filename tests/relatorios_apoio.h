#pragma once

// Shared by the report tests: a small quadro-like report of amounts by state, with
// group bands and totals, and the operator the fixtures print for.

#include "apoio/BancoTemporario.h"
#include "apoio/TextoPdf.h"
#include "plataforma/FormatoBR.h"
#include "relatorios/GradeColunas.h"
#include "relatorios/Renderizador.h"
#include "relatorios/TqrpModRelatorioKELPA.h"

#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace kelpa::teste::relatorios {

using namespace kelpa::relatorios;

inline const QString operadora = QStringLiteral("345678");
inline const QString nomeOperadora = QStringLiteral("Saúde Exemplo Assistência Médica Ltda.");

inline void cadastrarOperadora(const BancoTemporario &banco)
{
    banco.sql(QStringLiteral("INSERT INTO OPERADORAS (CD_OPER) VALUES ('345678')"));
    banco.sql(QStringLiteral("INSERT INTO PESSOAS (CD_OPER, ID_PSOA, TP_PSOA, CD_CPF_CNPJ, NM_PSOA, LG_ESTRANGEIRO, "
                             "LG_ALTR_TRAM) VALUES ('345678', 0, 'J', '96943342000114', "
                             "'Saúde Exemplo Assistência Médica Ltda.', 'N', 'N')"));
}

struct Lancamento {
    QString uf;
    QString descricao;
    double valor;
};

inline qint64 centavos(double v)
{
    return std::llround(v * 100);
}

// Amounts by state: a heading per state (repeated when the state goes on to the
// next page), its rows, a subtotal, and the total of the report.
class RelatorioDeValores : public TqrpModRelatorioKELPA
{
public:
    RelatorioDeValores(const QString &titulo, const QList<Lancamento> &lancamentos,
                       FormatoPagina formato = FormatoPagina::retrato(), bool comSombreado = true)
        : m_titulo(titulo)
        , m_lancamentos(lancamentos)
        , m_formato(formato)
        , m_sombreado(comSombreado)
    {
    }

    QString titulo() const override { return m_titulo; }
    bool vazio() const override { return m_lancamentos.isEmpty(); }

protected:
    void carregarDados(const QSqlDatabase &) override { setVigencia(QStringLiteral("Vigência : 2º Trimestre de 2006")); }
    FormatoPagina formatoPagina() const override { return m_formato; }
    bool sombreado() const override { return m_sombreado; }

    Banda cabecalhoColunas(double largura) const override { return grade(largura).cabecalho(); }

    QList<Banda> corpo(double largura) const override
    {
        const GradeColunas g = grade(largura);
        QList<Banda> bandas;
        qint64 total = 0;
        qint64 subtotal = 0;
        QString uf;
        auto fecharGrupo = [&] {
            if (uf.isEmpty())
                return;
            Banda rodape = g.linha({QStringLiteral("Subtotal ") + uf, FormatoBR::valor(subtotal / 100.0)},
                                   TipoBanda::RodapeGrupo, EstiloTexto::forte());
            rodape.linha(QLineF(g.esquerda(1), 0.1, largura, 0.1), 0.2);
            bandas << rodape;
        };
        for (const Lancamento &l : m_lancamentos) {
            if (l.uf != uf) {
                fecharGrupo();
                uf = l.uf;
                subtotal = 0;
                Banda cabecalho(TipoBanda::CabecalhoGrupo);
                cabecalho.texto(g.intervalo(0, 1, 1.5), QStringLiteral("UF: ") + uf, Qt::AlignLeft,
                                EstiloTexto::forte(9));
                cabecalho.repetirNaQuebra();
                bandas << cabecalho;
            }
            bandas << g.linha({l.descricao, FormatoBR::valor(l.valor)});
            subtotal += centavos(l.valor);
            total += centavos(l.valor);
        }
        fecharGrupo();
        if (!m_lancamentos.isEmpty()) {
            Banda resumo = g.linha({QStringLiteral("TOTAL"), FormatoBR::valor(total / 100.0)}, TipoBanda::Resumo,
                                   EstiloTexto::forte(9));
            resumo.linha(QLineF(0, 0.2, largura, 0.2), 0.4);
            bandas << resumo;
        }
        return bandas;
    }

private:
    static GradeColunas grade(double largura)
    {
        return GradeColunas({{QStringLiteral("Descrição"), 3}, {QStringLiteral("Valor (R$)"), 1, Qt::AlignRight}},
                            largura);
    }

    QString m_titulo;
    QList<Lancamento> m_lancamentos;
    FormatoPagina m_formato;
    bool m_sombreado;
};

// `quantos` rows spread over the states given, "Item 001" onwards.
inline QList<Lancamento> lancamentos(int quantos, const QStringList &ufs = {QStringLiteral("SP")})
{
    QList<Lancamento> lista;
    for (int i = 1; i <= quantos; ++i)
        lista.append({ufs.at((i - 1) * ufs.size() / quantos), QStringLiteral("Item %1").arg(i, 3, 10, QLatin1Char('0')),
                      i * 1234.5 + i / 100.0});
    return lista;
}

} // namespace kelpa::teste::relatorios

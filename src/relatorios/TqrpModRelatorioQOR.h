#pragma once

#include "Relatorio.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace kelpa::relatorios {

// The generic page of every printed report: the logo and the system's names at
// the top, a coloured rule, the report's title, the print date, time and page on
// the right; a footer with the title and "Página X de Y".
//
// A report form derives from TqrpModRelatorioKELPA (which derives from this), reads
// its data in carregarDados() through a logic class that takes the connection, says
// in vazio() whether there is anything to print, and lays its rows out in corpo().
class TqrpModRelatorioQOR
{
public:
    TqrpModRelatorioQOR();
    virtual ~TqrpModRelatorioQOR();
    TqrpModRelatorioQOR(const TqrpModRelatorioQOR &) = delete;
    TqrpModRelatorioQOR &operator=(const TqrpModRelatorioQOR &) = delete;

    // What the opener sets before the data are read: the operator (CDOPER) and the
    // date chosen by the user or the quarter on screen (DTVIGN); a null date asks for
    // the newest period.
    void setOperadora(const QString &codigo) { m_operadora = codigo; }
    QString operadora() const { return m_operadora; }
    void setDataReferencia(const QDate &data) { m_dataReferencia = data; }
    QDate dataReferencia() const { return m_dataReferencia; }
    // One moment for the whole print, so that every report of a composite shows the same.
    void setEmissao(const QDateTime &momento) { m_emissao = momento; }
    QDateTime emissao() const { return m_emissao; }

    // The report's title (qrsRelTitulo).
    virtual QString titulo() const = 0;
    // How the "no data" warning names this report.
    virtual QString legenda() const { return titulo(); }

    // Reads the header's and the report's data for the operator and date set.
    // Throws ErroBanco when a statement fails.
    void carregar(const QSqlDatabase &db);
    bool carregado() const { return m_carregado; }
    // The test every printing selector makes before adding a report to a composite:
    // true when the data read leave nothing to print.
    virtual bool vazio() const = 0;

    // The report ready for the engine.
    Relatorio montar() const;

protected:
    virtual void carregarCabecalho(const QSqlDatabase &db);
    virtual void carregarDados(const QSqlDatabase &db) = 0;

    virtual FormatoPagina formatoPagina() const { return FormatoPagina::retrato(); }
    // Shaded reports alternate white and grey rows; plain ones print every row white.
    virtual bool sombreado() const { return true; }

    // The bands (qrbPagCab, qrbCabColunas, qrbDetalhe and the others, qrbRodape), each
    // given the printable width in millimetres.
    virtual Banda cabecalhoPagina(double largura) const;
    virtual Banda cabecalhoColunas(double largura) const;
    virtual QList<Banda> corpo(double largura) const = 0;
    virtual Banda rodapePagina(double largura) const;

    // Pieces of the page header a derived base may change.
    virtual QStringList nomesCentrais() const;  // qrlSiglaSistema, qrlNomeSistema, qrlNomeDepartamento
    virtual QStringList blocoDireito() const;   // qrsData, qrsHora, qrsPagina
    // Lines under the title; returns the height they take from `y`.
    virtual double complementoCabecalho(Banda &banda, double y, double largura) const;

    static QColor corInstitucional() { return QColor(41, 22, 75); }

private:
    QString m_operadora;
    QDate m_dataReferencia;
    QDateTime m_emissao;
    bool m_carregado = false;
};

} // namespace kelpa::relatorios

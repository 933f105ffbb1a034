#pragma once

#include "TqrpModRelatorioTrimestre.h"

#include <QList>

namespace kelpa::relatorios {

// The printed Quadro 14: the quarter's technical provisions in the layout of the
// quarter (four lines up to 2004; from 2005 "Outras" with its remission lines) and
// "Total Geral:". Only quarters before 2007 print: from then on the provisions are
// part of the liabilities statement, and a quarter of 2007 or later prints nothing
// and is not named as a report without data.
class TqrpProvisoesTecnicas : public TqrpModRelatorioTrimestre
{
public:
    TqrpProvisoesTecnicas();

    QString titulo() const override { return QStringLiteral("Quadro 14: Provisões Técnicas"); }
    // Empty when the quarter has no provisions row or every amount of it is zero.
    bool vazio() const override { return m_linhas.isEmpty(); }
    // The quarter printed is of 2007 or later: nothing to print, nothing to tell.
    bool foraDoQuadro() const { return m_foraDoQuadro; }

    struct Linha {
        QString descricao;
        int recuo = 0;
        qint64 centavos = 0;
        bool total = false;
    };
    const QList<Linha> &linhas() const { return m_linhas; }

protected:
    void carregarDados(const QSqlDatabase &db) override;
    bool sombreado() const override { return false; }
    Banda cabecalhoColunas(double largura) const override;
    QList<Banda> corpo(double largura) const override;

private:
    QList<Linha> m_linhas;
    bool m_foraDoQuadro = false;
};

} // namespace kelpa::relatorios

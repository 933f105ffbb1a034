#pragma once

#include "TfraQuadroTrimestral.h"

#include <QList>
#include <memory>

class QLabel;
class QTabWidget;

namespace kelpa {

class FluxoCaixa;
class GradeValores;
class ModeloFluxoCaixa;
class TFraNavegacaoPagControl;

// Quadro 15 (quadro number 78): the quarter's cash flow by the direct method, from
// the first quarter of 2006 on. A summary page and one page per activity; the
// figures are kept here and written all at once on "Confirmar".
class TFrameFluxoCaixa : public TfraQuadroTrimestral
{
    Q_OBJECT

public:
    explicit TFrameFluxoCaixa(ContextoQuadro &contexto, QWidget *parent = nullptr);
    ~TFrameFluxoCaixa() override;

    QTabWidget *pgAtividades() const { return m_paginas; }
    GradeValores *grade(int pagina) const { return m_grades.at(pagina); }
    ModeloFluxoCaixa *modelo(int pagina) const { return m_modelos.at(pagina); }
    TFraNavegacaoPagControl *navegacao(int pagina) const { return m_navegacoes.at(pagina); }
    QLabel *lblAviso() const { return m_aviso; }
    // The current quarter of this quadro (it keeps its own).
    QDate trimestre() const { return m_trimestre; }
    FluxoCaixa *fluxo() const { return m_fluxo.get(); }

protected:
    QList<QDate> PreparaQueryComboPeriodo() override;
    void InicializaFrame() override;
    void IncluiPeriodoFrame() override;
    void CopiaPeriodoFrame() override {}
    void AlteraPeriodoFrame() override;
    void ExcluiPeriodoFrame() override;
    void EditaPeriodoFrame() override;
    void HabilitaPeriodoFrame(bool habilita) override;
    void CancelaOperacaoFrame() override;
    bool CriticaDados() override;
    void FinalizaFrame() override;

private:
    void paginaMudou(int pagina);
    void atualizarModelos();
    void recusado(GradeValores *grade, const QModelIndex &indice, const QString &mensagem);

    QDate m_trimestre;
    std::unique_ptr<FluxoCaixa> m_fluxo;
    QWidget *m_dados = nullptr;
    QLabel *m_aviso = nullptr;
    QTabWidget *m_paginas = nullptr;
    QList<GradeValores *> m_grades;
    QList<ModeloFluxoCaixa *> m_modelos;
    QList<TFraNavegacaoPagControl *> m_navegacoes;
};

// The notice of Quadros 15 and 15A for quarters before 2006: red over a white copy of itself.
QLabel *criarAvisoSomenteDesde2006(QWidget *parent);

} // namespace kelpa

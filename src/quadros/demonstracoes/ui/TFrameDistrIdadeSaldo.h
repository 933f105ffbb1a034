#pragma once

#include "TfraQuadroTrimestral.h"

#include <QList>
#include <memory>

class QLabel;
class QTabWidget;

namespace kelpa {

class CabecalhoAgrupado;
class GradeValores;
class IdadeSaldo;
class ModeloIdadeSaldo;
class TFraNavegacaoPagControl;

// Quadro 15A (quadro number 79): receivable and payable balances at the end of the
// quarter by age, from the first quarter of 2006 on. The figures are kept here and
// written all at once on "Confirmar"; every total follows as the user types.
class TFrameDistrIdadeSaldo : public TfraQuadroTrimestral
{
    Q_OBJECT

public:
    explicit TFrameDistrIdadeSaldo(ContextoQuadro &contexto, QWidget *parent = nullptr);
    ~TFrameDistrIdadeSaldo() override;

    QTabWidget *paginas() const { return m_paginas; }
    GradeValores *grade(int pagina) const { return m_grades.at(pagina); }
    ModeloIdadeSaldo *modelo(int pagina) const { return m_modelos.at(pagina); }
    CabecalhoAgrupado *cabecalhoAtivo() const { return m_cabecalhoAtivo; }
    QLabel *lblAviso() const { return m_aviso; }
    IdadeSaldo *idadeSaldo() const { return m_idade.get(); }

protected:
    QList<QDate> PreparaQueryComboPeriodo() override;
    void InicializaFrame() override;
    void IncluiPeriodoFrame() override;
    void CopiaPeriodoFrame() override {}
    void AlteraPeriodoFrame() override;
    void ExcluiPeriodoFrame() override;
    void EditaPeriodoFrame() override;
    void HabilitaPeriodoFrame(bool habilita) override;
    void CancelaOperacaoFrame() override {}
    bool CriticaDados() override;
    void FinalizaFrame() override;

private:
    void paginaMudou(int pagina);
    void atualizarModelos();
    void aplicarRotulos();

    std::unique_ptr<IdadeSaldo> m_idade;
    QWidget *m_dados = nullptr;
    QLabel *m_aviso = nullptr;
    QTabWidget *m_paginas = nullptr;
    CabecalhoAgrupado *m_cabecalhoAtivo = nullptr;
    QList<GradeValores *> m_grades;
    QList<ModeloIdadeSaldo *> m_modelos;
};

} // namespace kelpa

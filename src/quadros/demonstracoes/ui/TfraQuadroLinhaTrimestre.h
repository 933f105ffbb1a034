#pragma once

#include "TfraQuadroTrimestral.h"

namespace kelpa {

// The quarterly quadros that hold one row of figures per quarter and keep what the
// user types until "Confirmar" writes it (Quadro 14, the general information): the
// quarter list with its first quarter, a new quarter whose row comes when it is first
// shown, the newest quarter open for typing and an older one after the edit question.
// "Cancelar" and a switch of quarter drop what was not confirmed.
class TfraQuadroLinhaTrimestre : public TfraQuadroTrimestral
{
    Q_OBJECT

protected:
    using TfraQuadroTrimestral::TfraQuadroTrimestral;

    // The quarter's figures are loaded and shown.
    virtual bool temDados() const = 0;
    // The fields take typing (and the first of them the focus), or are read-only.
    virtual void habilitaCampos(bool habilita) = 0;
    // Writes what was typed, in one transaction.
    virtual void gravaDados() = 0;

    // Once the quarter's figures are shown: the newest quarter opens for typing.
    void abreTrimestre();

    QList<QDate> PreparaQueryComboPeriodo() override { return listaTrimestres(true); }
    void IncluiPeriodoFrame() override { incluiTrimestre(false); }
    void AlteraPeriodoFrame() override {}
    void EditaPeriodoFrame() override;
    void HabilitaPeriodoFrame(bool habilita) override;
    void CancelaOperacaoFrame() override {}
    bool CriticaDados() override;
    void FinalizaFrame() override {}
};

} // namespace kelpa

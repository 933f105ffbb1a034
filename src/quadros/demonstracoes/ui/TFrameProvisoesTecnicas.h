#pragma once

#include "TfraQuadroLinhaTrimestre.h"

#include <memory>

class QGroupBox;
class QLabel;

namespace kelpa {

class GradeValores;
class ModeloProvisoesTecnicas;
class ProvisoesTecnicas;

// Quadro 14 (quadro number 19): the technical provisions at the end of a quarter of
// 2003 to 2006, in the layout of the quarter (four provisions up to 2004; from 2005
// "Outras" broken down into remission, short and long term, and the rest). The
// figures stay in the quadro until "Confirmar" writes them; quarters from 2007 and
// before 2003 show their notice instead.
class TFrameProvisoesTecnicas : public TfraQuadroLinhaTrimestre
{
    Q_OBJECT

public:
    explicit TFrameProvisoesTecnicas(ContextoQuadro &contexto, QWidget *parent = nullptr);
    ~TFrameProvisoesTecnicas() override;

    GradeValores *grade() const { return m_grade; }
    ModeloProvisoesTecnicas *modelo() const { return m_modelo; }
    QLabel *lblAviso() const { return m_aviso; }
    // The quarter's figures; null while a notice is shown.
    ProvisoesTecnicas *provisoes() const { return m_provisoes.get(); }

protected:
    void InicializaFrame() override;
    bool temDados() const override { return m_provisoes != nullptr; }
    void habilitaCampos(bool habilita) override;
    void gravaDados() override;

private:
    QGroupBox *m_gbxProvisoes = nullptr;
    GradeValores *m_grade = nullptr;
    ModeloProvisoesTecnicas *m_modelo = nullptr;
    QLabel *m_aviso = nullptr;
    std::unique_ptr<ProvisoesTecnicas> m_provisoes;
};

} // namespace kelpa

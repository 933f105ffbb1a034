#pragma once

#include "quadros/demonstracoes/ui/TfraQuadroLinhaTrimestre.h"

#include <memory>

class QGroupBox;
class QLabel;

namespace kelpa {

class GradeValores;
class ModeloValoresCabecalho;
class ValoresCabecalhoTrimestre;

// What Quadros 9A and 8A share: a few amounts of the quarter's header row, for plan
// operators only and from the first quarter of 2003; an insurer and an earlier
// quarter see their notice in red instead. The amounts stay in the quadro until
// "Confirmar" writes them; "Cancelar" and a switch of quarter drop them.
class TfraQuadroCabecalhoTrimestre : public TfraQuadroLinhaTrimestre
{
    Q_OBJECT

public:
    ~TfraQuadroCabecalhoTrimestre() override;

    GradeValores *grade() const { return m_grade; }
    ModeloValoresCabecalho *modelo() const { return m_modelo; }
    QLabel *lblAviso() const { return m_aviso; }
    // The quarter's amounts; null while a notice is shown.
    ValoresCabecalhoTrimestre *valores() const { return m_valores.get(); }

protected:
    TfraQuadroCabecalhoTrimestre(ContextoQuadro &contexto, const QString &titulo, QWidget *parent);

    // The quarter's amounts, read; and the table that shows them.
    virtual std::unique_ptr<ValoresCabecalhoTrimestre> criarValores(const QDate &trimestre) = 0;
    virtual void montarLeiaute(ModeloValoresCabecalho *modelo) = 0;
    // The field the edit button puts the focus on.
    virtual int primeiroCampo() const = 0;
    // Called when the operator is outside the lists: a quadro may tell it otherwise.
    virtual void operadoraForaDasListas() {}

    void InicializaFrame() override;
    bool temDados() const override { return m_valores != nullptr; }
    void habilitaCampos(bool habilita) override;
    void gravaDados() override;

private:
    void mostraAvisoLocal(const QString &texto);

    QGroupBox *m_gbxDados = nullptr;
    GradeValores *m_grade = nullptr;
    ModeloValoresCabecalho *m_modelo = nullptr;
    QLabel *m_aviso = nullptr;
    std::unique_ptr<ValoresCabecalhoTrimestre> m_valores;
};

} // namespace kelpa

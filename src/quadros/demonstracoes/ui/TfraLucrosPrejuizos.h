#pragma once

#include "TfraQuadroLinhaTrimestre.h"

#include <memory>

class QLabel;

namespace kelpa {

class GradeValores;
class LucrosPrejuizos;
class ModeloLucrosPrejuizos;

// Quadro 16 (quadro number 77): the movement of the accumulated profits or losses
// over the year, from the first quarter of 2005. The previous year's closing balance
// is typed in the year's first quarter; each item's movement in the quarter, with
// what it adds up to since January and the current balance following the typing.
// What is typed stays in the quadro until "Confirmar" checks the items' signs and
// writes it in one transaction.
class TfraLucrosPrejuizos : public TfraQuadroLinhaTrimestre
{
    Q_OBJECT

public:
    explicit TfraLucrosPrejuizos(ContextoQuadro &contexto, QWidget *parent = nullptr);
    ~TfraLucrosPrejuizos() override;

    GradeValores *grade() const { return m_grade; }
    ModeloLucrosPrejuizos *modelo() const { return m_modelo; }
    QLabel *lblAviso() const { return m_aviso; }
    // The quarter's figures; null while a notice is shown.
    LucrosPrejuizos *dados() const { return m_dados.get(); }

protected:
    QList<QDate> PreparaQueryComboPeriodo() override;
    void InicializaFrame() override;
    bool CriticaDados() override;
    void FinalizaFrame() override;
    bool temDados() const override { return m_dados != nullptr; }
    void habilitaCampos(bool habilita) override;
    void gravaDados() override;

private:
    GradeValores *m_grade = nullptr;
    ModeloLucrosPrejuizos *m_modelo = nullptr;
    QLabel *m_aviso = nullptr;
    std::unique_ptr<LucrosPrejuizos> m_dados;
    bool m_gravou = false;
};

} // namespace kelpa

#pragma once

#include "TfraQuadroTrimestral.h"

#include <QList>
#include <memory>

class QLabel;
class QTabWidget;

namespace kelpa {

class GradeValores;
class ModeloValores;
class TFraNavegacaoPagControl;

// Quadros 15 and 15A: from the first quarter of 2006 on, the quarter's figures fill
// tabbed pages of grids with their page buttons, stay in the quadro while the user
// types and are written all at once on "Confirmar", which belongs to the last page.
// Earlier quarters show the notice instead of the pages.
class TfraQuadroEmPaginas : public TfraQuadroTrimestral
{
    Q_OBJECT

public:
    QTabWidget *paginas() const { return m_paginas; }
    GradeValores *grade(int pagina) const { return m_grades.at(pagina); }
    TFraNavegacaoPagControl *navegacao(int pagina) const { return m_navegacoes.at(pagina); }
    QLabel *lblAviso() const { return m_aviso; }

protected:
    TfraQuadroEmPaginas(ContextoQuadro &contexto, const QString &nomePaginas, QWidget *parent);

    // A page named `nome` showing `modelo`; the grid is left for the quadro to lay out.
    GradeValores *novaPagina(const QString &nome, ModeloValores *modelo);
    // Once every page is there: the notice and the layout around the pages.
    void concluiPaginas();
    ModeloValores *modeloDaPagina(int pagina) const { return m_modelos.at(pagina); }
    const QList<ModeloValores *> &modelos() const { return m_modelos; }

    // The figures shown so far are let go: `trimestre` is the quarter now chosen.
    virtual void soltaDados(const QDate &trimestre) = 0;
    // Reads the quarter's figures and gives them to the pages.
    virtual void carregaDados(const QDate &trimestre) = 0;
    // Writes the figures; false when none are loaded.
    virtual bool gravaDados() = 0;

    QList<QDate> PreparaQueryComboPeriodo() override;
    void InicializaFrame() override;
    void EditaPeriodoFrame() override;
    void HabilitaPeriodoFrame(bool habilita) override;
    // Nothing is stored before "Confirmar": the next initialisation reloads the fields.
    void CancelaOperacaoFrame() override {}
    bool CriticaDados() override;
    void FinalizaFrame() override;

private:
    void paginaMudou(int pagina);
    void atualizaModelos();

    QWidget *m_dados = nullptr;
    QLabel *m_aviso = nullptr;
    QTabWidget *m_paginas = nullptr;
    QList<GradeValores *> m_grades;
    QList<ModeloValores *> m_modelos;
    QList<TFraNavegacaoPagControl *> m_navegacoes;
};

// Such a quadro with its figures (a FluxoCaixa, an IdadeSaldo) and the models of its
// pages, which show them; each model is told of the figures by setDados().
template <class Dados, class Modelo>
class TfraQuadroEmPaginasDe : public TfraQuadroEmPaginas
{
public:
    Modelo *modelo(int pagina) const { return static_cast<Modelo *>(modeloDaPagina(pagina)); }

protected:
    using TfraQuadroEmPaginas::TfraQuadroEmPaginas;
    ~TfraQuadroEmPaginasDe() override { ligaModelos(nullptr); }

    Dados *dados() const { return m_dados.get(); }

    void soltaDados(const QDate &) override
    {
        ligaModelos(nullptr);
        m_dados.reset();
    }
    void carregaDados(const QDate &trimestre) override
    {
        m_dados = std::make_unique<Dados>(contexto().db(), contexto().codOper(), trimestre);
        if (!m_dados->carregar())
            mensagemErro(Dados::MensagemSemLinhas);
        ligaModelos(m_dados.get());
    }
    bool gravaDados() override
    {
        if (!m_dados)
            return false;
        m_dados->gravar();
        return true;
    }

private:
    void ligaModelos(Dados *dados)
    {
        for (ModeloValores *m : modelos())
            static_cast<Modelo *>(m)->setDados(dados);
    }

    std::unique_ptr<Dados> m_dados;
};

} // namespace kelpa

#pragma once

#include <QVariant>
#include <QVector>
#include <array>
#include <memory>
#include <vector>

#include "app/UHistorico.h"
#include "data/UDtmDestino.h"
#include "editor/UEditorPaineis.h"
#include "editor/UEstadoEditor.h"
#include "editor/URotativos.h"
#include "panel/UPainelLed.h"
#include "projeto_bancada.h"

// The work of the benchmarks' four-sign project without widgets, as the undo
// history sees it: plain panels in the editor, the rotating slots, the
// destination tables. The history's tests use it too.
struct TTrabalho : TAlvoHistorico {
    TRotativos rotativos;
    TEditorPaineis editor{rotativos};
    std::array<std::unique_ptr<TPainelLed>, 4> paineis;
    TDtm_Destino dados;

    TTrabalho()
    {
        for (int p = 1; p <= 4; ++p) {
            const ProjetoBancada::TSinal &s = ProjetoBancada::sinais[p - 1];
            auto painel = std::make_unique<TPainelLed>();
            painel->Tag = p;
            painel->DefinirNroLinhas(s.Linhas);
            painel->DefinirNroColunas(s.Colunas);
            painel->DefinirFonteUtilizada(s.Fonte);
            painel->PosicionarCursor(1, 1);
            editor.DefinirPainel(p, painel.get());
            paineis[size_t(p - 1)] = std::move(painel);
        }
        editor.LigarRotativos();
        rotativos.ReiniciarRotativos();
        rotativos.GravarAoTrocar = true;
        editor.DefinirPainelAtivo(1);
        dados.AbrirTabelas({});
    }
    TPainelLed &Painel(int p) { return *paineis[size_t(p - 1)]; }
    TPainelLed &Ativo() { return *editor.PainelAtivo(); }

    TEstadoTrabalho CapturarTrabalho(const TEstadoTrabalho *anterior) override
    {
        TEstadoTrabalho t;
        t.Editor = TEstadoEditor::Capturar(editor, rotativos, anterior ? &anterior->Editor : nullptr);
        return t;
    }
    void RestaurarTrabalho(const TEstadoTrabalho &estado) override { estado.Editor.Restaurar(editor, rotativos); }
    TTabelaMemoria &TabelaDestinos() override { return dados.Cds_DestinosExtras; }
    void RestaurarDestinos(const std::vector<QVector<QVariant>> &linhas) override { dados.RestaurarLinhas(linhas); }

    // What undo must put back: the editor as content texts and settings, the table row by row.
    struct TFoto {
        TEstadoEditor Editor;
        std::vector<QVector<QVariant>> Linhas;
        bool operator==(const TFoto &) const = default;
    };
    TFoto Foto() { return {TEstadoEditor::Capturar(editor, rotativos), dados.Cds_DestinosExtras.TodasAsLinhas()}; }

    void Digitar(const QByteArray &texto)
    {
        for (char c : texto) {
            editor.EdicaoNoPainel(TEdicao::Digitacao);
            Ativo().DigitarCaractere(static_cast<unsigned char>(c), false);
        }
    }
    // The destinations 1..n of the benchmarks' project, stored as the program stores them.
    void Destinos(int n)
    {
        for (int numero = 1; numero <= n; ++numero)
            for (int p = 1; p <= 4; ++p)
                ProjetoBancada::GravarSinal(dados, p, numero);
        dados.ReconstruirRotulos(true);
    }
    void Selecionar(int numero)
    {
        dados.Cds_Rotulos.Localizar(QStringLiteral("EXTRA;NRO_DESTINO"), {false, numero}, TVazio::ComoZero);
    }
    QList<int> Numeros()
    {
        QList<int> n;
        for (const auto &linha : dados.Cds_DestinosExtras.TodasAsLinhas())
            n << linha[dados.Cds_DestinosExtras.IndiceDaColuna(QStringLiteral("NRO_DESTINO"))].toInt();
        return n;
    }
};

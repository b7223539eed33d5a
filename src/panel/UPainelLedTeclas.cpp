#include <QClipboard>
#include <QGuiApplication>
#include <QScopeGuard>

#include "panel/UPainelLed.h"
#include "panel/USom.h"

// The editing keys. Each movement key erases the cursor first and always ends
// by keeping the cursor in view (AcompanharCursor with the key's step) and
// normalising it. Without scrolling the edges beep; with scrolling the line
// has no horizontal bound.

void TPainelLed::PressionarTecla(int tecla, bool controle)
{
    if (!CapturaComFoco() || modo != TModo::ModoTexto)
        return;
    if (controle && tecla == TeclasPainel::C) {
        copiarRotulo();
        return;
    }
    if (controle && tecla == TeclasPainel::V) {
        colarTexto();
        return;
    }
    const auto depois = qScopeGuard([this] {
        atualizarIndiceNoCursor();
        SolicitarDesenho(); // the overlays: division line, clock frame, marking, cursor
    });
    switch (tecla) {
    case TeclasPainel::Retrocesso: teclaRetrocesso(); break;
    case TeclasPainel::Enter: teclaEnter(); break;
    case TeclasPainel::Fim: CursorParaFim(); break;
    case TeclasPainel::Inicio: teclaInicio(); break;
    case TeclasPainel::Esquerda: teclaEsquerda(); break;
    case TeclasPainel::Cima: teclaCima(); break;
    case TeclasPainel::Direita: teclaDireita(); break;
    case TeclasPainel::Baixo: teclaBaixo(); break;
    case TeclasPainel::Apagar: teclaApagar(); break;
    default: break;
    }
}

void TPainelLed::copiarRotulo() const
{
    if (QGuiApplication::instance())
        QGuiApplication::clipboard()->setText(Rotulo());
}

void TPainelLed::colarTexto()
{
    if (QGuiApplication::instance())
        DigitarTexto(QGuiApplication::clipboard()->text());
}

void TPainelLed::moverCursor(const std::function<void(int &passo)> &mover)
{
    DesenharCursor(false);
    int passo = 0;
    const auto fim = qScopeGuard([&] {
        AcompanharCursor(passo);
        NormalizarCursor();
    });
    mover(passo);
    if (AoAlterarPropriedade)
        AoAlterarPropriedade(this);
}

void TPainelLed::teclaEsquerda()
{
    moverCursor([this](int &passo) {
        passo = -1;
        --colunaCursor;
        if (const TCfgChar *c = CaractereNoCursor()) {
            colunaCursor = c->Coluna;
            linhaCursor = c->Linha;
            fonteUtilizada = c->Fonte;
            passo = -c->Largura;
        }
        if (rolagem == TRolagem::tsNenhum && colunaCursor < 1)
            TSom::Bipe();
    });
}

void TPainelLed::teclaDireita()
{
    moverCursor([this](int &passo) {
        passo = 1;
        ++colunaCursor;
        if (const TCfgChar *c = CaractereNoCursor()) {
            colunaCursor = c->ColunaFinal();
            linhaCursor = c->Linha;
            fonteUtilizada = c->Fonte;
            passo = c->Largura;
        }
        if (rolagem == TRolagem::tsNenhum && colunaCursor > nroColunas)
            TSom::Bipe();
    });
}

void TPainelLed::teclaInicio()
{
    moverCursor([this](int &passo) {
        passo = -primeiraColuna;
        if (const TCfgChar *c = PrimeiroCaractereDaLinha()) {
            colunaCursor = c->Coluna;
            linhaCursor = c->Linha;
            fonteUtilizada = c->Fonte;
        } else {
            colunaCursor = 1;
        }
        if (rolagem == TRolagem::tsNenhum && colunaCursor <= 0)
            TSom::Bipe();
    });
}

void TPainelLed::CursorParaFim()
{
    DesenharCursor(false);
    const auto fim = qScopeGuard([this] {
        AcompanharCursor(colunaCursor - nroColunas);
        NormalizarCursor();
    });
    if (const TCfgChar *c = UltimoCaractereDaLinha()) {
        colunaCursor = c->ColunaFinal();
        linhaCursor = c->Linha;
        fonteUtilizada = c->Fonte;
    } else {
        colunaCursor = 1;
    }
}

void TPainelLed::teclaEnter()
{
    moverCursor([this](int &) {
        // One blank row between lines; the lookup of the new line keeps the font.
        const TTipoFonte fonte = fonteUtilizada;
        linhaCursor += AlturaDaFonte(fonte) + 1;
        const TCfgChar *c = UltimoCaractereDaLinha();
        colunaCursor = c ? c->ColunaFinal() : 1;
        fonteUtilizada = fonte;
    });
}

void TPainelLed::teclaBaixo()
{
    moverCursor([this](int &) {
        const int linhaAnterior = linhaCursor;
        const int h = AlturaDaFonte(fonteUtilizada);
        const TCfgChar *c = CaractereAbaixo(0);
        if (!c)
            c = CaractereAbaixo(1);
        const TCfgChar *m = CaractereNoCursor();
        if (c) {
            colunaCursor = BordaMaisProxima(*c);
            linhaCursor = c->Linha;
            fonteUtilizada = c->Fonte;
        } else if (m && m->Linha <= linhaCursor && linhaCursor <= m->LinhaFinal()) {
            colunaCursor = BordaMaisProxima(*m);
            linhaCursor += h + 1;
        } else {
            linhaCursor += 1;
        }
        if (rolagem == TRolagem::tsNenhum && linhaCursor + AlturaDaFonte(fonteUtilizada) - 1 > nroLinhas) {
            linhaCursor = linhaAnterior;
            TSom::Bipe();
        }
    });
}

void TPainelLed::teclaCima()
{
    moverCursor([this](int &) {
        const int linhaAnterior = linhaCursor;
        const int h = AlturaDaFonte(fonteUtilizada);
        const TCfgChar *c = CaractereAcima(0);
        if (!c)
            c = CaractereAcima(1);
        const TCfgChar *m = CaractereNoCursor();
        if (m && m->Linha <= linhaCursor && linhaCursor <= m->LinhaFinal()) {
            colunaCursor = BordaMaisProxima(*m);
            linhaCursor -= h + 1;
            if (const TCfgChar *acima = CaractereNoCursor())
                colunaCursor = BordaMaisProxima(*acima);
        } else if (c) {
            colunaCursor = BordaMaisProxima(*c);
            linhaCursor = c->Linha;
            fonteUtilizada = c->Fonte;
        } else {
            linhaCursor -= 1;
        }
        if (rolagem == TRolagem::tsNenhum && linhaCursor < 1) {
            linhaCursor = linhaAnterior;
            TSom::Bipe();
        }
    });
}

void TPainelLed::teclaRetrocesso()
{
    DesenharCursor(false);
    int delta = 0;
    const auto fim = qScopeGuard([&] {
        AcompanharCursor(delta);
        NormalizarCursor();
    });
    // The character before the one under the cursor; at the end of a line (or
    // at the very start of the text) the one touching the cursor.
    const int p = indiceNoCursor - 2;
    const TCfgChar *alvo = p >= 0 && p < int(texto.size()) ? texto[size_t(p)].get() : CaractereJuntoAoCursor();
    if (!alvo)
        return;
    colunaCursor = alvo->Coluna;
    linhaCursor = alvo->Linha;
    delta = -alvo->Largura;
    if (RemoverCaractere(alvo))
        RedesenharTexto();
}

void TPainelLed::teclaApagar()
{
    const auto fim = qScopeGuard([this] { NormalizarCursor(); });
    const int p = indiceNoCursor - 1;
    if (p < 0 || p >= int(texto.size()))
        return;
    const TCfgChar *alvo = texto[size_t(p)].get();
    colunaCursor = alvo->Coluna;
    linhaCursor = alvo->Linha;
    if (RemoverCaractere(alvo))
        RedesenharTexto();
}

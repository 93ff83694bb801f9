#!/usr/bin/env python3
"""Whole games on the page opened from disk, one by mouse and one by keyboard,
each from the title window to the page left when the game is over."""

import sys

from chromium import Keys, page_or_skip, run

# The five answers typed, and whether each is the accepted one.
ANSWERS = [('marzelle', True), ('mardi', False), ('Marzelle Vastrelli', True), ('bleu', False), ('VRAI', True)]
VERDICTS = [('CORRECT !', 'Suite'), ('FAUX: LUNDI !', 'Suite'), ('CORRECT !', 'Suite'),
            ('FAUX: VERT', 'Suite'), ("P'TIT CON VAS !!!", 'Fin')]
QUESTIONS = ['grosse vache moche', 'lundi de Pâques', 'tarte Tatin', 'le jaune et le bleu', 'Vrai ou Faux']
ANSWER_BUTTONS = ['Repondre', 'Répondre', 'Répondre', 'Répondre', 'Répondre']


def title_then_name_box(chromium):
    """The title window, then the name box once it moves on by itself."""
    title = chromium.wait_for_text('Jouons tout de suite...')
    assert title['caption'] == 'LE TOLVANE VIRAIL' and title['active'], title
    box = chromium.wait_for_text('Quel est ton nom jeune bon à rien ?')
    assert box['box'] and box['caption'] == 'MARZELLE TE DEMANDE TON NOM', box
    assert chromium.focused() == 'text box'


def game_by_mouse(chromium):
    title_then_name_box(chromium)
    chromium.click(chromium.element('input'))
    chromium.type('Camille')
    chromium.click(chromium.button('OK'))
    chromium.wait_for_text('Camille!')
    for (answer, _), (verdict, next_button), question, button in zip(ANSWERS, VERDICTS, QUESTIONS, ANSWER_BUTTONS):
        chromium.wait_for_text(question)
        chromium.click(chromium.element('input'))
        chromium.type(answer)
        chromium.click(chromium.button(button))
        chromium.wait_for_text(verdict)
        chromium.click(chromium.button(next_button))
    chromium.wait_for_text('CONNARD !')
    chromium.wait_for_text('OH ! CLIQUE LUI LA GUEULE !')
    chromium.click(chromium.element('img[alt="Marzelle fait au revoir de la main"]'))
    chromium.wait_for_text('OUAIS LA GROSSE EST MORTE ! HOURRA !!!')
    # "Jeu", then "Quitter" in its menu.
    chromium.click(chromium.element('.menu-item[aria-label="Jeu"]'))
    chromium.click(chromium.element('.menu-command[aria-label="Quitter"]'))
    over = chromium.wait_for('the page left when the game is over', chromium.game_over)
    assert 'La partie est terminée.' in over and 'Rejouer' in over, over
    assert chromium.windows() == [], chromium.windows()


def game_by_keyboard(chromium):
    title_then_name_box(chromium)
    chromium.type('Dominique')
    chromium.press(Keys.ENTER)
    chromium.wait_for_text('Dominique!')
    # A window opens with the focus on Marzelle's portrait; Tab twice reaches the answer box.
    assert chromium.focused() == 'picture "Marzelle, tout sourire, avec son nom"', chromium.focused()
    chromium.press(Keys.TAB, Keys.TAB)
    assert chromium.focused() == 'text box', chromium.focused()
    chromium.shift_tab()
    assert chromium.focused() != 'text box', chromium.focused()
    chromium.press(Keys.TAB)
    for number, ((answer, _), (verdict, next_button), question) in enumerate(zip(ANSWERS, VERDICTS, QUESTIONS)):
        chromium.wait_for_text(question)
        if number > 0:
            for _ in range(4):
                if chromium.focused() == 'text box':
                    break
                chromium.press(Keys.TAB)
        chromium.type(answer)
        assert chromium.typed() == answer, (number, chromium.typed())
        # Enter in the answer box submits nothing; Alt with a letter no caption marks does nothing.
        chromium.press(Keys.ENTER)
        chromium.alt('z')
        assert any(question in label for label in chromium.front()['labels']), (number, chromium.front())
        chromium.alt('r')
        chromium.wait_for_text(verdict)
        # The verdict's button has the focus: Space, Enter or its letter moves on.
        assert chromium.focused() == next_button, (number, chromium.focused())
        if number < 4:
            chromium.press((Keys.SPACE, Keys.ENTER)[number % 2])
        else:
            chromium.alt('f')
    chromium.wait_for_text('CONNARD !')
    chromium.alt('j')
    chromium.press('q')
    over = chromium.wait_for('the page left when the game is over', chromium.game_over)
    assert 'La partie est terminée.' in over, over


if __name__ == '__main__':
    run([game_by_mouse, game_by_keyboard], page_or_skip(sys.argv))

// SPDX-License-Identifier: GPL-3.0-or-later
// The page: a thin view over the window model compiled to WebAssembly
// (model.js, from web/binding.cpp).
//
// One element per control of the model's control table, with the id, place
// (in CSS pixels), accessible name and every other fact the model gives of
// it, inside one element per group of controls (the model's groups, in tab
// order, so that the page needs no tab index), which page.css lays out as the
// window or, narrower, in one column; the window's title, size and font size
// and the fault box's title and button caption come from the model too.  The
// page computes none of them, and it never decides when a procedure runs:
// every user action goes to the model (edit, pick, click), and afterwards
// every element is brought in line with the model.
// The core's advice stands under the form at the window's width: a strip with
// the first advice and how many more follow, all of them in its tool tip; a
// click, or Enter or Space, unfolds it into a list of every advice in order
// over what lies below it, and Escape or a second click folds it again;
// in one column each advice stands right under the group of its control.
// Each control an advice is about is marked with a dashed outline and is
// described by its advice; a change of advice is announced.
// Below the advice, at every width before "Çıkış", the core's ordering and
// fitting section: its title, its lines (none while it is blank, when the
// section is hidden), its figures in data-figures as the scenario scripts
// print them, and a button that copies the whole drive as text.
// A fault that stopped the chain opens a modal dialog with its message; when
// the model has ended the program the page closes its window where the
// browser allows it and shows that the program has ended.
// At the window's width or more the panel is scaled up, the same layout, to
// fit the browser's window (page.css's --fit, written on every resize).
// After a change only what changed is written, and no layout is read between
// writes: the widths of the figures that changed are read once, in the next
// frame, after every write of the change.  The controls are written at once;
// the advice, the section and the announcement, which the core computes from
// a copy of the whole panel, once the change is painted.  A list's items are
// made once and kept laid out while it is closed.
'use strict';

(() => {
  class Page {
    constructor(core) {
      this.core = core;
      this.model = new core.Model();
      this.table = [];  // the control table, read as the controls are built
      this.views = [];  // by place in the table: {def, el, input, ...}
      this.openList = null;
      this.adviceShown = '';
      this.sheetShown = null;
      this.following = false;  // the advice and the section wait for follow()
    }

    // Builds the controls a few groups a task (pause() ends a task), each
    // few styled in their own task, in the window kept hidden until every
    // control stands: the window's style in one task would hold it long.
    async build(win, pause) {
      await pause();
      this.table = this.core.controls();
      await pause();
      document.title = win.title;
      document.getElementById('title').textContent = win.title;
      document.getElementById('fault-title').textContent = win.programName;
      document.getElementById('fault-ok').textContent = win.okCaption;
      // The window's size; page.css has it already, written there from the
      // model when the page was built, so that nothing moves when it loads.
      const root = document.documentElement.style;
      root.setProperty('--window-width', win.width + 'px');
      root.setProperty('--text-indent', win.textIndent + 'px');
      root.setProperty('--window-height', win.height + 'px');
      const shown = document.getElementById('window');
      shown.style.visibility = 'hidden';

      // One container a group, in the groups' order, which is the tab order:
      // the order of the page is the order of the keyboard.  At the window's
      // width each group stands at its rectangle and its controls at their
      // places within it; narrower, page.css puts the groups in one column in
      // the window's reading order.
      for (const [i, group] of this.core.groups().entries()) {
        if (i > 0 && i % 3 === 0) {
          getComputedStyle(shown.lastElementChild).color;
          await pause();
        }
        const groupEl = document.createElement('div');
        groupEl.className = 'group';
        placeAt(groupEl, group, {left: 0, top: 0});
        groupEl.style.setProperty('--reading', group.readingPosition);
        // The group that ends the program, which page.css sets apart.
        if (group.members.some((place) => this.table[place].endsProgram)) groupEl.classList.add('ends');
        if (group.choiceName) {
          groupEl.classList.add('choice');
          groupEl.setAttribute('role', 'radiogroup');
          groupEl.setAttribute('aria-label', group.choiceName);
        }
        for (const place of group.members) groupEl.appendChild(this.control(this.table[place], place, group));
        shown.appendChild(groupEl);
        // The advice on the group's controls, right under it in one column.
        const notes = document.createElement('ul');
        notes.className = 'advice-notes';
        notes.style.order = group.readingPosition;
        notes.hidden = true;
        for (const place of group.members) {
          const note = document.createElement('li');
          note.id = 'advice-' + this.table[place].id;
          note.hidden = true;
          notes.appendChild(note);
          Object.assign(this.views[place], {note, notes});
        }
        shown.appendChild(notes);
      }
      const sheet = this.core.sheetFacts();
      this.sheetFacts = sheet;
      document.getElementById('sheet-title').textContent = sheet.title;
      const copy = document.getElementById('sheet-copy');
      copy.textContent = sheet.copyCaption;
      copy.addEventListener('click', () => this.copyReport());
      this.stripEvents(sheet.adviceListName);
      document.getElementById('fault-ok').addEventListener('click', () => this.closeFault());
      document.getElementById('fault').addEventListener('cancel', (e) => {
        e.preventDefault();
        this.closeFault();
      });
      // A figure that its box cuts ends in an ellipsis (page.css) and
      // shows whole in its tool tip, at the box's width of the moment.
      matchMedia('print').addEventListener('change', () => this.showWhole(true));
      window.addEventListener('resize', () => this.showWhole(true));
      window.addEventListener('beforeprint', () => this.stampPrint());
      document.addEventListener('pointerdown', (e) => {
        if (this.openList && !this.openList.el.contains(e.target)) this.closeList(this.openList);
      });
      this.sync(true);
      getComputedStyle(shown.lastElementChild).color;
      shown.style.visibility = '';
    }

    // The element of one control, placed within its group.
    control(def, place, group) {
      const view = this.make(def, place);
      const el = view.el;
      el.classList.add('control', def.kind);
      el.id = def.id;
      placeAt(el, def, group);
      if (def.toolTip) el.title = def.toolTip;
      const name = def.accessibleName;
      if (name) (view.input || el).setAttribute('aria-label', name);
      if (name && view.listbox) view.listbox.setAttribute('aria-label', name);
      this.views[place] = view;
      return el;
    }

    make(def, place) {
      switch (def.kind) {
        case 'label': {
          const el = document.createElement('div');
          if (def.output) {
            el.classList.add('output');
            el.setAttribute('role', 'textbox');
            el.setAttribute('aria-readonly', 'true');
          }
          el.textContent = def.caption;
          return {def, el};
        }
        case 'text': {
          const el = document.createElement('input');
          this.textField(el, def, place);
          return {def, el, input: el};
        }
        case 'list':
          return this.makeList(def, place);
        case 'check':
        case 'option': {
          const el = document.createElement('label');
          const input = document.createElement('input');
          input.type = def.kind === 'check' ? 'checkbox' : 'radio';
          if (def.kind === 'option') input.name = def.group;
          input.checked = def.startOn;
          // The model toggles and selects: the view only shows what it holds.
          input.addEventListener('click', () => this.act(() => this.model.click(place)));
          const text = document.createElement('span');
          text.textContent = def.caption;
          el.append(input, text);
          return {def, el, input};
        }
        case 'button': {
          const el = document.createElement('button');
          el.type = 'button';
          el.textContent = def.caption;
          el.addEventListener('click', () => this.act(() => this.model.click(place)));
          return {def, el};
        }
      }
      throw new Error('unknown kind ' + def.kind);
    }

    // A text box or a list's text field: every change is one edit of the
    // model with the whole new text.
    textField(input, def, place) {
      input.type = 'text';
      input.autocomplete = 'off';
      input.spellcheck = false;
      input.setAttribute('autocapitalize', 'off');
      if (def.maxLength > 0) {
        // What is typed or pasted is cut to what fits, as the model counts
        // (its Fitting), and the text around it stays, so a key that would
        // add a character to a full box changes nothing.
        input.addEventListener('beforeinput', (e) => {
          const data = e.data ?? (e.dataTransfer && e.dataTransfer.getData('text/plain'));
          if (!data) return;
          const value = input.value;
          const head = value.slice(0, input.selectionStart);
          const tail = value.slice(input.selectionEnd);
          const kept = this.core.fitting(place, head, data, tail);
          if (kept === data) return;
          e.preventDefault();
          if (kept === '') return;
          input.value = head + kept + tail;
          input.setSelectionRange(head.length + kept.length, head.length + kept.length);
          input.dispatchEvent(new Event('input'));
        });
      }
      input.addEventListener('input', () => this.act(() => this.model.edit(place, input.value)));
    }

    // An editable list: a text field that only edits its text, a button and
    // Alt+Down that open the list, Escape that closes it; choosing an item
    // (Enter, or a click) runs the list's click.
    makeList(def, place) {
      const el = document.createElement('div');
      const input = document.createElement('input');
      const button = document.createElement('button');
      const listbox = document.createElement('ul');
      const id = def.id;
      this.textField(input, def, place);
      input.setAttribute('role', 'combobox');
      input.setAttribute('aria-autocomplete', 'none');
      input.setAttribute('aria-expanded', 'false');
      input.setAttribute('aria-controls', id + '-list');
      button.type = 'button';
      button.tabIndex = -1;
      button.className = 'open';
      button.setAttribute('aria-label', def.openName);
      listbox.id = id + '-list';
      listbox.setAttribute('role', 'listbox');
      listbox.hidden = true;
      el.append(input, button, listbox);
      const view = {def, el, input, button, listbox, place, active: -1};

      button.addEventListener('pointerdown', (e) => {
        e.preventDefault();
        // Focusing lays the page out: only when the focus is elsewhere, and
        // without scrolling to a box that is under the pointer already.
        if (document.activeElement !== input) input.focus({preventScroll: true});
        if (listbox.hidden) this.openListOf(view); else this.closeList(view);
      });
      listbox.addEventListener('pointerdown', (e) => e.preventDefault());
      const approached = () => {
        if (listbox.hidden) this.listItems(view);
      };
      el.addEventListener('pointerenter', approached);
      input.addEventListener('focus', approached);
      listbox.addEventListener('click', (e) => {
        const option = e.target.closest('[role=option]');
        if (option) this.pickFrom(view, Number(option.dataset.item));
      });
      input.addEventListener('keydown', (e) => {
        const open = !listbox.hidden;
        if ((e.key === 'ArrowDown' || e.key === 'ArrowUp') && e.altKey) {
          if (open) this.closeList(view); else this.openListOf(view);
        } else if (e.key === 'F4' && !e.altKey) {
          if (open) this.closeList(view); else this.openListOf(view);
        } else if (!open) {
          if (e.key !== 'ArrowDown') return;
          this.openListOf(view);
        } else if (e.key === 'Escape') {
          this.closeList(view);
        } else if (e.key === 'Enter') {
          if (view.active >= 0) this.pickFrom(view, view.active); else this.closeList(view);
        } else if (e.key === 'Tab') {
          this.closeList(view);
          return;
        } else {
          const count = listbox.children.length;
          const moves = {ArrowDown: view.active + 1, ArrowUp: view.active - 1, Home: 0, End: count - 1,
                         PageDown: view.active + 10, PageUp: view.active - 10};
          if (!(e.key in moves)) return;
          this.activate(view, Math.max(0, Math.min(count - 1, moves[e.key])));
        }
        e.preventDefault();
      });
      input.addEventListener('blur', () => this.closeList(view));
      return view;
    }

    openListOf(view) {
      if (this.openList && this.openList !== view) this.closeList(this.openList);
      const items = this.listItems(view);
      view.listbox.hidden = false;
      view.input.setAttribute('aria-expanded', 'true');
      this.openList = view;
      // The list opens on the item its text shows, as the desktop list does.
      this.activate(view, items.indexOf(view.input.value));
    }

    // The list's items as the model has them, their elements made again only
    // when they changed: made as the pointer comes onto the list or its box
    // takes the focus, so that opening the list only shows them.
    listItems(view) {
      const items = this.model.items(view.place);
      // The items' elements stay while the items do: most lists never change.
      const listed = items.join('\n');
      if (view.listed !== listed) {
        view.listed = listed;
        view.active = -1;
        view.listbox.replaceChildren(...items.map((item, i) => {
          const li = document.createElement('li');
          li.id = `${view.def.id}-item-${i}`;
          li.setAttribute('role', 'option');
          li.dataset.item = i;
          li.textContent = item;
          return li;
        }));
      }
      return items;
    }

    activate(view, item) {
      const options = view.listbox.children;
      if (view.active >= 0 && options[view.active]) options[view.active].removeAttribute('aria-selected');
      view.active = item;
      if (item < 0) {
        view.input.removeAttribute('aria-activedescendant');
        return;
      }
      options[item].setAttribute('aria-selected', 'true');
      view.input.setAttribute('aria-activedescendant', options[item].id);
      options[item].scrollIntoView({block: 'nearest'});
    }

    closeList(view) {
      if (view.listbox.hidden) return;
      if (view.active >= 0) view.listbox.children[view.active]?.removeAttribute('aria-selected');
      view.listbox.hidden = true;
      view.input.setAttribute('aria-expanded', 'false');
      view.input.removeAttribute('aria-activedescendant');
      view.active = -1;
      if (this.openList === view) this.openList = null;
    }

    pickFrom(view, item) {
      this.closeList(view);
      this.act(() => this.model.pick(view.place, item));
    }

    // Runs one user action on the model, then shows its outcome.
    act(action) {
      const fault = action();
      this.sync();
      if (this.model.ended()) {
        this.end();
        return;
      }
      if (fault) this.showFault(fault);
    }

    // The fault's message in a modal dialog.  Closing it (Tamam, or Escape)
    // gives the focus back to where it was, with the cursor where it was, as
    // a message box does on the desktop; at once, before any later key.
    showFault(message) {
      const back = document.activeElement;
      const cursor = back && back.matches('input[type=text]') ? [back.selectionStart, back.selectionEnd] : null;
      this.closeFault = () => {
        document.getElementById('fault').close();
        if (!back || !back.isConnected) return;
        back.focus();
        if (cursor) back.setSelectionRange(...cursor);
      };
      document.getElementById('fault-message').textContent = message;
      document.getElementById('fault').showModal();
      document.getElementById('fault-ok').focus();
    }

    // Brings every element in line with the model.  The controls are
    // written at once, and the advice, the section and the announcement
    // once the change is painted (follow), unless `now`.
    sync(now = false) {
      const states = this.model.states();
      // The focused box is written last: writing it lays the page out.
      let focusedWrite = null;
      this.views.forEach((view, place) => {
        const {def, el, input} = view;
        const state = states[place];
        switch (def.kind) {
          case 'label': {
            if (el.textContent === state.text) break;
            // The text itself changes: a new text node would be laid out anew.
            const shown = el.firstChild;
            if (shown && !shown.nextSibling && shown.nodeType === Node.TEXT_NODE) shown.data = state.text;
            else el.textContent = state.text;
            if (def.output) {
              // Its name tells the whole result.
              const name = this.core.resultName(place, state.text);
              if (name) el.setAttribute('aria-label', name); else el.removeAttribute('aria-label');
            }
            break;
          }
          case 'text':
          case 'list':
            if (input.value === state.text) break;
            // A program write: the user's own change shows already.
            if (input === document.activeElement) focusedWrite = [input, state.text];
            else input.value = state.text;
            break;
          case 'check':
          case 'option':
            if (input.checked !== state.on) input.checked = state.on;
            break;
        }
      });
      if (focusedWrite) focusedWrite[0].value = focusedWrite[1];
      this.following = true;
      if (now) this.follow();
      // The widths, once the frame is laid out with every write of the change.
      if (!this.measuring) {
        this.measuring = true;
        requestAnimationFrame(() => {
          this.measuring = false;
          this.showWhole(false);
        });
      }
      // The rest after the frame is painted, so that the change shows first.
      if (!this.followLater) {
        this.followLater = true;
        requestAnimationFrame(() => setTimeout(() => {
          this.followLater = false;
          this.follow();
        }));
      }
    }

    // What follows the controls: the advice and the section, which the core
    // computes from a copy of the whole panel, and what the core says of the
    // actions since (the results and the boxes that the program wrote, and
    // the new advice) in the live region.
    follow() {
      if (!this.following) return;
      this.following = false;
      const {advice, sheet, said} = this.model.shown();
      this.showAdvice(advice);
      this.showSheet(sheet);
      if (said) document.getElementById('announce').textContent = said;
    }

    // A result or a box whose text is wider than itself shows the text whole
    // in its tool tip: every box, or only those whose text changed since they
    // were last measured.  All widths are read before any tool tip is written.
    showWhole(every) {
      const measured = [];
      for (const view of this.views) {
        const {def, el, input} = view;
        const box = input || (def.output && el);
        if (!box) continue;
        const text = input ? input.value : el.textContent;
        if (every || view.measured !== text) measured.push([view, box, text, box.scrollWidth > box.clientWidth]);
      }
      for (const [view, box, text, cut] of measured) {
        view.measured = text;
        const tip = cut ? text : view.def.toolTip || '';
        if (box.title !== tip || !box.hasAttribute('title')) box.title = tip;
      }
    }

    // The date and time that a printout shows under the title, written as it
    // is printed.
    stampPrint() {
      const now = new Date().toLocaleString('tr-TR', {dateStyle: 'long', timeStyle: 'short'});
      document.getElementById('printed').textContent = `Yazdırılma zamanı: ${now}`;
    }

    // The advice strip unfolds and folds with a click, Enter or Space; Escape
    // folds it.  A click elsewhere folds it too, as it does an open list.
    stripEvents(listName) {
      const strip = document.getElementById('advice');
      const list = document.getElementById('advice-list');
      list.setAttribute('aria-label', listName);
      strip.addEventListener('click', () => this.unfoldAdvice(list.hidden));
      strip.addEventListener('keydown', (e) => {
        if (e.key === 'Enter' || e.key === ' ') this.unfoldAdvice(list.hidden);
        else if (e.key === 'Escape' && !list.hidden) this.unfoldAdvice(false);
        else return;
        e.preventDefault();
      });
      document.addEventListener('pointerdown', (e) => {
        if (!list.hidden && !document.getElementById('advice-box').contains(e.target)) this.unfoldAdvice(false);
      });
    }

    // Unfolds the strip into every advice, or folds it; with no advice there
    // is nothing to unfold.
    unfoldAdvice(open) {
      const strip = document.getElementById('advice');
      const list = document.getElementById('advice-list');
      open = open && this.adviceShown !== '';
      if (open) this.fillAdviceList();
      list.hidden = !open;
      if (strip.hasAttribute('aria-expanded')) strip.setAttribute('aria-expanded', String(open));
    }

    // The unfolded list, one item an advice, written only while it shows.
    fillAdviceList() {
      const list = document.getElementById('advice-list');
      const texts = this.adviceShown.split('\n');
      texts.forEach((text, i) => {
        const item = list.children[i] ?? list.appendChild(document.createElement('li'));
        if (item.textContent !== text) item.textContent = text;
      });
      while (list.children.length > texts.length) list.lastElementChild.remove();
    }

    // Shows the core's advice: the strip, named by the line a screen reader
    // reads of it, its unfolded list, and each control's mark.
    showAdvice(advice) {
      const all = advice.all;
      const strip = document.getElementById('advice');
      if (strip.dataset.codes === advice.codes && strip.title === all) return;
      this.adviceShown = all;
      strip.dataset.codes = advice.codes;
      strip.title = all;
      strip.querySelector('.first').textContent = advice.first;
      strip.querySelector('.more').textContent = advice.more;
      // The strip is a button that unfolds while it has advice.
      if (!advice.items.length) {
        this.unfoldAdvice(false);
        for (const name of ['role', 'tabindex', 'aria-expanded', 'aria-label']) strip.removeAttribute(name);
      } else {
        strip.setAttribute('aria-label', advice.line);
      }
      if (advice.items.length && !strip.hasAttribute('role')) {
        strip.setAttribute('role', 'button');
        strip.tabIndex = 0;
        strip.setAttribute('aria-expanded', 'false');
      }
      if (!document.getElementById('advice-list').hidden) this.fillAdviceList();
      this.views.forEach((view, place) => {
        const text = advice.about[place];
        if (view.note.textContent === text) return;
        const target = view.input || view.el;
        view.el.classList.toggle('advised', text !== '');
        view.note.hidden = text === '';
        view.note.textContent = text;
        if (text) target.setAttribute('aria-describedby', view.note.id);
        else target.removeAttribute('aria-describedby');
      });
      // A group without advice takes no room in the column.
      for (const {notes} of this.views) {
        const hidden = ![...notes.children].some((note) => !note.hidden);
        if (notes.hidden !== hidden) notes.hidden = hidden;
      }
    }

    // Shows the core's ordering and fitting section, where it changed: the
    // lines that differ, the figures, and the section hidden without lines.
    // Not announced: its lines follow the results, which are.
    showSheet(sheet) {
      const shown = sheet.figures + '\n' + sheet.lines.join('\n');
      if (shown === this.sheetShown) return;
      this.sheetShown = shown;
      const section = document.getElementById('sheet');
      const list = document.getElementById('sheet-lines');
      sheet.lines.forEach((line, i) => {
        const item = list.children[i] ?? list.appendChild(document.createElement('li'));
        if (item.textContent !== line) item.textContent = line;
      });
      while (list.children.length > sheet.lines.length) list.lastElementChild.remove();
      section.dataset.figures = sheet.figures;
      section.hidden = sheet.lines.length === 0;
    }

    // The whole drive as text (the core's report) to the clipboard: through
    // the clipboard's interface where the page may use it, otherwise (a
    // page from disk in some browsers) as a selected text copied with the
    // copy command.  The button says for a moment whether it copied, and so
    // does the live region.
    async copyReport() {
      const text = this.model.report();
      const button = document.getElementById('sheet-copy');
      let copied;
      try {
        await navigator.clipboard.writeText(text);
        copied = true;
      } catch {
        const area = document.createElement('textarea');
        area.className = 'unseen';
        area.readOnly = true;
        area.value = text;
        document.body.appendChild(area);
        area.focus({preventScroll: true});
        area.select();
        try {
          copied = document.execCommand('copy');
        } catch {
          copied = false;
        }
        area.remove();
        button.focus({preventScroll: true});
      }
      const {copyCaption, copiedCaption, notCopiedCaption} = this.sheetFacts;
      const said = copied ? copiedCaption : notCopiedCaption;
      button.textContent = said;
      document.getElementById('announce').textContent = said;
      clearTimeout(this.copySaid);
      this.copySaid = setTimeout(() => {
        button.textContent = copyCaption;
      }, 2000);
    }

    // "Çıkış": the program has ended.
    end() {
      window.close();
      document.body.classList.add('ended');
      for (const el of document.querySelectorAll('#window input, #window button, #sheet button')) el.disabled = true;
      document.getElementById('ended').hidden = false;
      document.querySelector('title').textContent += ' (sona erdi)';
    }
  }

  // A rectangle of the model, in CSS pixels, relative to the rectangle `from`:
  // page.css places the element there at the window's width.
  const placeAt = (el, rect, from) => {
    el.style.setProperty('--left', rect.left - from.left + 'px');
    el.style.setProperty('--top', rect.top - from.top + 'px');
    el.style.setProperty('--width', rect.width + 'px');
    el.style.setProperty('--height', rect.height + 'px');
  };

  // At the window's width or more (page.css), how much the panel grows and
  // still fits the browser's window with its margins: by the smaller of the
  // two sides, never less than its own size.  Read from the panel's own size,
  // which page.css keeps from the start (the window's, the strip's and the
  // section's room) and the scale leaves as it is; set before the first paint
  // and again on every resize.  The room is the whole window's, scroll bars
  // included: a fitted panel needs none, and while the panel is still at a
  // bigger window's scale the room beside its scroll bars would fit it short.
  const fit = () => {
    const frame = document.getElementById('frame');
    const page = document.documentElement;
    const margin = 2 * parseFloat(getComputedStyle(frame).marginTop);
    const scale = Math.min((innerWidth - margin) / frame.offsetWidth, (innerHeight - margin) / frame.offsetHeight);
    const fitted = String(Math.max(1, Math.floor(scale * 1000) / 1000));
    if (page.style.getPropertyValue('--fit') !== fitted) page.style.setProperty('--fit', fitted);
  };
  fit();
  window.addEventListener('resize', fit);

  // The window's one font, at the model's size (page.css reads it), loaded
  // before any caption is measured.
  const fontReady = (win) => {
    document.documentElement.style.setProperty('--font-size', `${win.fontPointSize}pt`);
    return document.fonts ? document.fonts.load(`${win.fontPointSize}pt "Roboto Condensed"`).catch(() => null) : null;
  };
  // The style sheet's pictures (the list's arrow, the tick) are made while the
  // model loads, and kept until the controls show them: an SVG picture is a
  // document of its own, which the controls' first frame would otherwise make.
  const pictures = new Set();
  try {
    for (const sheet of document.styleSheets) {
      for (const rule of sheet.cssRules) {
        for (const [, url] of rule.cssText.matchAll(/url\("(data:image\/svg[^"]*)"\)/g)) pictures.add(url);
      }
    }
  } catch {
    // A style sheet that the page may not read: its pictures are made when shown.
  }
  const made = [...pictures].map((url) => Object.assign(new Image(), {src: url}));
  // The frame and its title, which the page has from its build, are drawn
  // first, in the window's font; then, once the browser reports that first
  // paint (or, where it does not, a moment after the next frame begins), the
  // model loads.  Drawn at once, the page's largest text does not wait for
  // the model.
  const painted = () => new Promise((done) => {
    const types = self.PerformanceObserver ? PerformanceObserver.supportedEntryTypes || [] : [];
    if (!types.includes('paint') || performance.getEntriesByName('first-contentful-paint').length) return done();
    const seen = new PerformanceObserver((list) => {
      if (!list.getEntriesByName('first-contentful-paint').length) return;
      seen.disconnect();
      done();
    });
    seen.observe({type: 'paint'});
    requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(done, 250)));
  });
  const framed = () => Promise.resolve(document.fonts && document.fonts.load('1em "Roboto Condensed"').catch(() => null))
    .then(painted)
    .then(() => new Promise((drawn) => setTimeout(drawn)));
  // The model's WebAssembly is compiled while the page paints, away from the
  // main thread: the page in one file holds its bytes (wasmBinary) and
  // compiles them at once; the served page fetches its file once the frame
  // is painted, so that the download does not hold up the font of the first
  // paint, and compiles it as it arrives (from a server that does not
  // name it WebAssembly, once read whole).
  const given = self.kasnakModule || {};
  const drawn = framed();
  const fetched = () => fetch('model.wasm', {credentials: 'same-origin'});
  const compiled = given.wasmBinary ? WebAssembly.compile(given.wasmBinary) : drawn
    .then(() => (WebAssembly.compileStreaming ? WebAssembly.compileStreaming(fetched()) : Promise.reject()))
    .catch(() => fetched().then((response) => response.arrayBuffer()).then((bytes) => WebAssembly.compile(bytes)));
  const instantiateWasm = (imports, receive) => {
    compiled.then((module) => WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module)));
    return {};
  };
  // The module starts, the model is made and the controls are built each in
  // tasks of their own, so that none holds the main thread long.
  const nextTask = () => new Promise((run) => setTimeout(run));
  drawn.then(() => KasnakModel({...given, instantiateWasm})).then(async (core) => {
    await nextTask();
    const win = core.window();
    await fontReady(win);
    const page = new Page(core);
    await page.build(win, nextTask);
    // The first focus, in the frame that lays the controls out.
    await new Promise((drawn) => requestAnimationFrame(drawn));
    const first = page.views[win.firstFocus];
    (first.input || first.el).focus();
    made.length = 0;
    performance.mark('kasnak-ready');
    document.documentElement.dataset.ready = 'true';
  });

  // The served page, an app with its manifest, keeps its files with a
  // service worker; the page in one file (kasnak.html, no manifest) stands
  // alone wherever it is opened, from disk or from any server.
  if ('serviceWorker' in navigator && location.protocol !== 'file:' && document.querySelector('link[rel=manifest]')) {
    window.addEventListener('load', () => navigator.serviceWorker.register('sw.js', {updateViaCache: 'none'}).catch(() => null));
  }
})();

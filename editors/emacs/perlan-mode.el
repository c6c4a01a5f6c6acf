;;; perlan-mode.el --- Major mode for Perlan grammar files  -*- lexical-binding: t -*-

;; Installed by: typetools

;;; Commentary:

;; A Perlan grammar (*.yt) is a yacc grammar whose semantic actions are
;; Java and may hold typechecking blocks /*< ... >*/.  Such a block is Java
;; code, not a comment: its delimiters are shown as preprocessor marks and
;; its text as Java, comments included.  As Perlan reads it, a block exists
;; only inside an action of the rules section (between the two %%), at any
;; depth of braces, and ends at the first >*/ outside a literal, even in a
;; comment of its own; elsewhere /*< starts an ordinary comment.
;;
;; Highlighted: the %% and %{ %} markers and %-declarations, the names of
;; the rules (their ':' may follow on a later line), $$ and $n, the
;; delimiters of typechecking blocks, Java keywords, types and constants;
;; strings, character literals and comments from the syntax table.
;;
;; Also: indentation (rules, alternatives and actions; Java inside
;; actions), imenu (the rules), folding of actions and blocks with
;; `hs-minor-mode' and of rules with `outline-minor-mode', a flymake
;; backend.  `compile-command' defaults to running Perlan on the file.

;;; Code:

(require 'vastor-mode)

(defvar perlan-mode-syntax-table
  (make-syntax-table vastor-mode-syntax-table)
  "Syntax table of `perlan-mode'.")

;; Sections

(defvar-local perlan--separators '(1)
  "The section separators found so far: (LIMIT POSITION...).
Every %% that begins before LIMIT has been looked at; the positions
are those of the ones that separate sections.")

(defun perlan--forget-separators (beg _end)
  "Forget what `perlan--separators' knows from BEG on (a change begins there)."
  (when (< beg (car perlan--separators))
    (setq perlan--separators
          (cons (max (point-min) (- beg 2))
                (seq-filter (lambda (pos) (< (+ pos 2) beg)) (cdr perlan--separators))))))

(defun perlan--section (pos)
  "The section of POS: `declarations', `rules' or `trailer'.
A %% separates sections where it stands outside comments, literals and
braces; only the first two count."
  (let ((limit (car perlan--separators))
        (found (cdr perlan--separators)))
    (when (and (< (length found) 2) (< limit pos))
      (save-excursion
        (goto-char limit)
        (while (and (< (length found) 2) (search-forward "%%" pos t))
          (let ((ppss (save-excursion (syntax-ppss (match-beginning 0)))))
            (when (and (not (nth 8 ppss)) (= (nth 0 ppss) 0))
              (setq found (append found (list (match-beginning 0))))))))
      (setq perlan--separators (cons (max limit (- pos 1)) found)))
    (nth (seq-count (lambda (separator) (<= (+ separator 2) pos)) found)
         '(declarations rules trailer))))

(defun perlan--in-action-p (pos)
  "Whether POS lies inside a semantic action of the rules section."
  (let ((ppss (save-excursion (syntax-ppss pos))))
    (and (not (nth 8 ppss))
         (> (nth 0 ppss) 0)
         (eq (perlan--section pos) 'rules))))

;; Typechecking blocks

(defun perlan--block-end (from)
  "The position after the >*/ that ends the block whose text starts at FROM.
Literals are passed over, as Perlan does; nil when the block never ends."
  (save-excursion
    (goto-char from)
    (let (end)
      (while (and (not end) (re-search-forward ">\\*/\\|[\"']" nil t))
        (let ((quote (char-before)))
          (cond ((not (memq quote '(?\" ?')))
                 (setq end (point)))
                ((not (re-search-forward (format "\\(?:[^%c\\\\]\\|\\\\\\(?:.\\|\n\\)\\)*%c"
                                                 quote quote)
                                         nil t))
                 (goto-char (point-max))))))
      end)))

(defun perlan-syntax-propertize (start end)
  "Make the typechecking blocks between START and END Java code.
Their opening /*< starts no comment, and their >*/ ends a // comment
that runs into it.  A block is marked `syntax-multiline' so that it is
always propertized whole."
  (remove-text-properties start end '(perlan-delimiter nil))
  (goto-char start)
  (while (re-search-forward "/\\*<" end t)
    (let ((open (match-beginning 0)))
      (when (perlan--in-action-p open)
        (put-text-property open (1+ open) 'syntax-table (string-to-syntax "."))
        (put-text-property open (+ open 3) 'perlan-delimiter t)
        (let ((close (perlan--block-end (point))))
          (when close
            (put-text-property (- close 3) (- close 2) 'syntax-table (string-to-syntax "> b"))
            (put-text-property (- close 3) close 'perlan-delimiter t)
            (put-text-property open close 'syntax-multiline t)
            (goto-char close)))))))

(defun perlan--match-delimiter (limit)
  "Font-lock matcher of the delimiters of typechecking blocks, up to LIMIT."
  (let (found)
    (while (and (not found) (re-search-forward "/\\*<\\|>\\*/" limit t))
      (setq found (get-text-property (match-beginning 0) 'perlan-delimiter)))
    found))

;; Highlighting

(defun perlan--context (pos)
  "Where POS lies: `comment' (or string), `java' or `grammar'.
Java is in braces, in the preamble and after the second %%."
  (let ((ppss (save-excursion (syntax-ppss pos))))
    (cond ((nth 8 ppss) 'comment)
          ((or (> (nth 0 ppss) 0) (eq (perlan--section pos) 'trailer)) 'java)
          (t 'grammar))))

(defconst perlan-rule-name-regexp "\\_<[A-Za-z_][A-Za-z0-9_.]*"
  "A name of a rule or symbol.")

(defun perlan--rule-name-p (pos end)
  "Whether the name between POS and END is the name of a rule.
It stands in the rules section, outside actions, and the next thing
after it, comments aside, is a colon, on the same line or a later one."
  (and (eq (perlan--context pos) 'grammar)
       (eq (perlan--section pos) 'rules)
       (save-excursion
         (goto-char end)
         (forward-comment (buffer-size))
         (eq (char-after) ?:))))

(defun perlan--match-rule-name (limit)
  "Font-lock matcher of the names of rules, up to LIMIT."
  (let (found)
    (while (and (not found) (re-search-forward perlan-rule-name-regexp limit t))
      (setq found (save-match-data
                    (perlan--rule-name-p (match-beginning 0) (match-end 0)))))
    found))

(defvar perlan-font-lock-keywords
  (append
   `(("^%%" 0 font-lock-preprocessor-face)
     ("%[{}]" 0 font-lock-preprocessor-face)
     (,(vastor--matcher "%[A-Za-z][A-Za-z_-]*" '(grammar) #'perlan--context)
      0 font-lock-keyword-face)
     (perlan--match-rule-name 0 font-lock-function-name-face)
     (,(vastor--matcher "\\$\\(?:\\$\\|[0-9]+\\)" '(java grammar) #'perlan--context)
      0 font-lock-variable-name-face)
     (perlan--match-delimiter 0 font-lock-preprocessor-face t))
   (vastor-java-font-lock-keywords
    (lambda (pos) (if (eq (perlan--context pos) 'comment) 'comment 'java))))
  "Highlighting of `perlan-mode'.")

;; Indentation

(defun perlan--rule-colon ()
  "The column of the ':' of the rule that the line at point continues.
Nil between rules: after a ';' or at the start of the section."
  (save-excursion
    (let (found)
      (while (and (not found) (re-search-backward "[:;]\\|^%%" nil t))
        (let ((ppss (syntax-ppss)))
          (unless (or (nth 8 ppss) (> (nth 0 ppss) 0))
            (setq found (if (eq (char-after) ?:) (current-column) 'none)))))
      (and (integerp found) found))))

(defun perlan--rule-indentation ()
  "The column of the line at point, outside actions in the rules section.
A rule's name starts the line; a ':' on a line of its own is one step in;
'|' and ';' line up with the rule's ':', the rest of a rule is one step
further in."
  (if (looking-at "[ \t]*:")
      typetools-indent-offset
    (let ((colon (perlan--rule-colon)))
      (cond ((looking-at "[ \t]*[|;]") (or colon typetools-indent-offset))
            (colon (+ colon typetools-indent-offset))
            (t 0)))))

(defun perlan--action-indentation (open)
  "The column of the line at point, directly inside the action at OPEN.
When text follows the action's brace on its line, the action's lines
line up with that text, and its closing brace with the opening one."
  (let ((hang (save-excursion
                (goto-char (1+ open))
                (skip-chars-forward " \t")
                (unless (or (eolp) (looking-at "//\\|/\\*[^<]"))
                  (current-column))))
        (closer (looking-at "[ \t]*}")))
    (cond ((and closer hang) (typetools-indent--indentation-column open))
          (closer (typetools-indent--indentation-at open))
          (t (+ (or hang (+ (typetools-indent--indentation-at open) typetools-indent-offset))
                (if (typetools-indent--continued-p open) typetools-indent-offset 0))))))

(defun perlan--block-start (pos)
  "The /*< of the typechecking block that POS stands in, if it has one."
  (save-excursion
    (syntax-propertize (line-end-position))
    (goto-char pos)
    (let (found)
      (while (and (not found) (re-search-backward "/\\*<" nil t))
        (when (get-text-property (point) 'perlan-delimiter)
          (setq found (point))))
      (and found
           (let ((end (perlan--block-end (+ found 3))))
             (or (null end) (> end pos)))
           found))))

(defun perlan--indentation ()
  "The column of the line at point; nil to leave it as it is."
  (save-excursion
    (beginning-of-line)
    (let* ((ppss (syntax-ppss))
           (open (nth 1 ppss)))
      (cond ((nth 3 ppss) nil)
            ((nth 4 ppss) (typetools-indent-in-comment (nth 8 ppss)))
            ((looking-at "[ \t]*%%") 0)
            ((not (eq (perlan--section (point)) 'rules))
             (if open (typetools-indent-in-brackets open t) 0))
            ((let ((block (perlan--block-start (point))))
               (and block (or (null open) (> block open))
                    ;; Lines of a block go one step in from its /*<, its >*/
                    ;; back to it.
                    (+ (typetools-indent--indentation-at block)
                       (if (looking-at "[ \t]*>\\*/") 0 typetools-indent-offset)))))
            ((null open) (perlan--rule-indentation))
            ((= open (car (nth 9 ppss))) (perlan--action-indentation open))
            (t (typetools-indent-in-brackets open t))))))

(defun perlan-indent-line ()
  "Indent the current line of a grammar."
  (interactive)
  (typetools-indent-apply (perlan--indentation)))

;; Outline

(defun perlan-imenu-create-index ()
  "The imenu index: the rules, in the order of the file."
  (save-excursion
    (goto-char (point-min))
    (let (rules)
      (while (perlan--match-rule-name (point-max))
        (push (cons (match-string-no-properties 0) (match-beginning 0)) rules))
      (nreverse rules))))

(defconst perlan-outline-regexp
  "%%\\|[A-Za-z_][A-Za-z0-9_.]*[ \t]*\\(?::\\|/[/*]\\|$\\)"
  "Headings of `outline-minor-mode': the sections and the rules.")

(defun perlan-outline-level ()
  "Sections are headings of level 1, rules of level 2."
  (if (looking-at "%%") 1 2))

;;;###autoload
(define-derived-mode perlan-mode prog-mode "Perlan"
  "Major mode for Perlan grammar files."
  :syntax-table perlan-mode-syntax-table
  (vastor--common-setup)
  (setq-local syntax-propertize-function #'perlan-syntax-propertize)
  (add-hook 'syntax-propertize-extend-region-functions #'syntax-propertize-multiline 'append t)
  (add-hook 'before-change-functions #'perlan--forget-separators nil t)
  (setq-local font-lock-defaults '(perlan-font-lock-keywords))
  (setq-local indent-line-function #'perlan-indent-line)
  (setq-local imenu-create-index-function #'perlan-imenu-create-index)
  (setq-local outline-regexp perlan-outline-regexp)
  (setq-local outline-level #'perlan-outline-level)
  (add-hook 'flymake-diagnostic-functions #'typetools-flymake-perlan nil t)
  (when buffer-file-name
    (setq-local compile-command
                (concat "Perlan "
                        (shell-quote-argument
                         (file-name-nondirectory buffer-file-name))))))

(provide 'perlan-mode)

;;; perlan-mode.el ends here

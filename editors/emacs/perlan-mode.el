;;; perlan-mode.el --- Major mode for Perlan grammar files  -*- lexical-binding: t -*-

;; Installed by: typetools

;;; Commentary:

;; A Perlan grammar (*.yt) is a yacc grammar whose semantic actions are
;; Java and may hold typechecking blocks /*< ... >*/.  Such a block is Java
;; code, not a comment: its delimiters are shown as preprocessor marks and
;; its text as Java.
;;
;; Highlighted: the %% and %{ %} markers and %-declarations, the names of
;; the rules, $$ and $n, the delimiters of typechecking blocks, Java
;; keywords, types and constants; strings, character literals and comments
;; from the syntax table.
;;
;; `compile-command' defaults to running Perlan on the file.

;;; Code:

(require 'vastor-mode)

(defvar perlan-mode-syntax-table
  (let ((table (make-syntax-table vastor-mode-syntax-table)))
    table)
  "Syntax table of `perlan-mode'.")

(defun perlan--in-action-p (pos)
  "Whether POS lies inside a semantic action of the rules section."
  (save-excursion
    (let ((ppss (syntax-ppss pos)))
      (and (not (nth 8 ppss))
           (> (nth 0 ppss) 0)
           (progn (goto-char pos) (re-search-backward "^%%" nil t))))))

(defun perlan-syntax-propertize (start end)
  "Make the typechecking blocks between START and END Java code.
Their opening /*< starts no comment, and neither does any // or /*
within them, as Perlan reads them."
  (goto-char start)
  (while (re-search-forward "/\\*<" end t)
    (let ((open (match-beginning 0)))
      (when (perlan--in-action-p open)
        (put-text-property open (1+ open) 'syntax-table (string-to-syntax "."))
        (let ((close (save-excursion (and (search-forward ">*/" nil t) (point)))))
          (save-excursion
            (goto-char (+ open 3))
            (while (search-forward "/" (or close end) t)
              (put-text-property (1- (point)) (point)
                                 'syntax-table (string-to-syntax "."))))
          (when close (goto-char close)))))))

(defun perlan--context (pos)
  "Where POS lies: `comment' (or string), `java' in braces, else `grammar'.
Java keywords are highlighted everywhere but in comments and strings."
  (save-excursion
    (let ((ppss (syntax-ppss pos)))
      (cond ((nth 8 ppss) 'comment)
            ((> (nth 0 ppss) 0) 'java)
            (t 'grammar)))))

(defvar perlan-font-lock-keywords
  (append
   `(("^%%" 0 font-lock-preprocessor-face)
     ("%[{}]" 0 font-lock-preprocessor-face)
     (,(vastor--matcher "%[A-Za-z][A-Za-z_-]*" '(grammar) #'perlan--context)
      0 font-lock-keyword-face)
     (,(vastor--matcher "^[ \t]*\\([A-Za-z_][A-Za-z0-9_.]*\\)[ \t]*:" '(grammar)
                        #'perlan--context)
      1 font-lock-function-name-face)
     (,(vastor--matcher "\\$\\(?:\\$\\|[0-9]+\\)" '(java grammar) #'perlan--context)
      0 font-lock-variable-name-face)
     (,(vastor--matcher "/\\*<\\|>\\*/" '(java grammar) #'perlan--context)
      0 font-lock-preprocessor-face))
   (vastor-java-font-lock-keywords
    (lambda (pos) (if (eq (perlan--context pos) 'comment) 'comment 'java))))
  "Highlighting of `perlan-mode'.")

;;;###autoload
(define-derived-mode perlan-mode prog-mode "Perlan"
  "Major mode for Perlan grammar files."
  :syntax-table perlan-mode-syntax-table
  (setq-local comment-start "// ")
  (setq-local comment-end "")
  (setq-local comment-start-skip "\\(?://+\\|/\\*+\\)\\s *")
  (setq-local syntax-propertize-function #'perlan-syntax-propertize)
  (setq-local font-lock-defaults '(perlan-font-lock-keywords))
  (when buffer-file-name
    (setq-local compile-command
                (concat "Perlan "
                        (shell-quote-argument
                         (file-name-nondirectory buffer-file-name))))))

(provide 'perlan-mode)

;;; perlan-mode.el ends here

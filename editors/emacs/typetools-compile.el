;;; typetools-compile.el --- M-x compile jumps to Vastor and Perlan errors  -*- lexical-binding: t -*-

;; Installed by: typetools

;;; Commentary:

;; The messages of Vastor and Perlan name a line but no file:
;;
;;   Syntax error( line 12 ):Se esperaba el signo =
;;   Scanner error( line 3 ):end-of-file found in the middle of a comment
;;
;; The file is the input of the command that printed them: the nearest
;; command line above the message that runs Vastor (whose last argument is
;; the specification) or Perlan (whose first argument is the grammar).  That
;; is the command that M-x compile shows at the top of its buffer, or one
;; that make echoes; failing that, the command of the compilation.  Messages
;; of the form FILE:LINE: error: MESSAGE are matched by Emacs already.

;;; Code:

(require 'compile)
(require 'seq)

(defconst typetools-compile-command-regexp
  "\\(?:^\\|[ \t/\\]\\)\\(Vastor\\|Perlan\\)\\(?:\\.exe\\)?[ \t]+\\(.*\\)$"
  "A command line that runs one of the tools, its name and its arguments.")

(defun typetools-compile--words (text)
  "The words of the shell command line TEXT, without their quotes and escapes.
A word joins quoted parts ('...', \"...\") and backslash escapes, as in
bad\\ types.spec, the form of `shell-quote-argument'."
  (let ((words nil) (word nil) (start 0))
    (while (string-match (concat "[ \t]+\\|\\\\\\(.\\)\\|'\\([^']*\\)'"
                                 "\\|\"\\(\\(?:\\\\.\\|[^\"\\\\]\\)*\\)\""
                                 "\\|\\([^ \t'\"\\\\]+\\)\\|.")
                         text start)
      (setq start (match-end 0))
      (cond ((match-beginning 1) (setq word (concat word (match-string 1 text))))
            ((match-beginning 2) (setq word (concat word (match-string 2 text))))
            ((match-beginning 3)
             (setq word (concat word (replace-regexp-in-string
                                      "\\\\\\([\"\\\\$`]\\)" "\\1"
                                      (match-string 3 text)))))
            ((match-beginning 4) (setq word (concat word (match-string 4 text))))
            ((string-match-p "\\`[ \t]" (match-string 0 text))
             (when word (push word words))
             (setq word nil))
            ;; An unpaired quote: the rest is taken as it stands.
            (t (setq word (concat word (substring text (match-beginning 0)))
                     start (length text)))))
    (when word (push word words))
    (nreverse words)))

(defun typetools-compile--input (tool arguments)
  "The input file of TOOL run with the text ARGUMENTS, or nil.
Vastor reads its last argument, Perlan its first; shell operators end
the arguments."
  (unless (string-match-p "\\`\\(?:Configuration Error\\|Switch Warning\\)" arguments)
    (let ((words (seq-take-while
                  (lambda (word) (not (string-match-p "\\`\\(?:[|;&<>]\\|[12]>\\)" word)))
                  (typetools-compile--words arguments))))
      (when words
        (let ((input (if (equal tool "Vastor") (car (last words)) (car words))))
          (unless (string-prefix-p "-" input) input))))))

(defun typetools-compile-input-file ()
  "The file of the Vastor or Perlan message just matched.
Found on the nearest command line above that runs the tool, else in
the command of the compilation; \"*unknown*\" when neither names it."
  (save-match-data
    (save-excursion
      (goto-char (match-beginning 0))
      (let (file)
        (while (and (not file)
                    (re-search-backward typetools-compile-command-regexp nil t))
          (setq file (typetools-compile--input (match-string-no-properties 1)
                                               (match-string-no-properties 2))))
        (or file
            (let ((command (car compilation-arguments)))
              (and (stringp command)
                   (string-match typetools-compile-command-regexp command)
                   (typetools-compile--input (match-string 1 command)
                                             (match-string 2 command))))
            "*unknown*")))))

(defconst typetools-compile-error-regexps
  '((typetools
     "^\\(?:Scanner\\|Syntax\\|Semantic\\) error( line \\([0-9]+\\) ):"
     typetools-compile-input-file 1 nil 2)
    (typetools-internal
     "^Internal error (file [^,\n]*, line \\([0-9]+\\)) "
     typetools-compile-input-file 1 nil 2))
  "Entries for `compilation-error-regexp-alist-alist'.")

(dolist (entry typetools-compile-error-regexps)
  (setf (alist-get (car entry) compilation-error-regexp-alist-alist) (cdr entry))
  (add-to-list 'compilation-error-regexp-alist (car entry)))

(provide 'typetools-compile)

;;; typetools-compile.el ends here

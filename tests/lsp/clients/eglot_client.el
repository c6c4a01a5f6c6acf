;;; eglot_client.el --- Emacs's eglot against the language server, headless  -*- lexical-binding: t -*-
;;
;;   emacs --batch -Q -l eglot_client.el
;;
;; with TYPETOOLS_LSP (the server), TYPETOOLS_SAMPLES (the editor samples)
;; and TYPETOOLS_EMACS (the project's Emacs modes) in the environment.  Each
;; broken sample, in its mode, must get the server's diagnostics at their lines
;; through Flymake; Emacs then exits with status 0, else 1.

(require 'package)
;; Where Debian's elpa-eglot is, which -Q leaves out.
(add-to-list 'package-directory-list "/usr/share/emacs/site-lisp/elpa")
(package-initialize)
(require 'eglot)
(add-to-list 'load-path (getenv "TYPETOOLS_EMACS"))
(require 'vastor-mode)
(require 'perlan-mode)

(defvar typetools-server (getenv "TYPETOOLS_LSP"))
(defvar typetools-samples (file-name-as-directory (getenv "TYPETOOLS_SAMPLES")))
(defvar typetools-failures nil)

(defun typetools-check (file mode expected)
  "Open FILE in MODE under eglot and expect the diagnostics EXPECTED: (LINE . TEXT) each."
  (find-file (expand-file-name file typetools-samples))
  (funcall mode)
  ;; The project the buffer is in, as eglot finds it: a server of another one would not manage it.
  (eglot (list mode) (or (project-current) `(transient . ,default-directory)) 'eglot-lsp-server
         (list typetools-server) (string-remove-suffix "-mode" (symbol-name mode)))
  (flymake-start)
  (with-timeout (30 (push (format "%s: no diagnostic came" file) typetools-failures))
    (while (< (length (flymake-diagnostics)) (length expected))
      (accept-process-output nil 0.05)))
  (let ((found (sort (mapcar (lambda (diagnostic)
                               (cons (line-number-at-pos (flymake-diagnostic-beg diagnostic))
                                     (flymake-diagnostic-text diagnostic)))
                             (flymake-diagnostics))
                     (lambda (a b) (< (car a) (car b))))))
    (unless (equal found expected)
      (push (format "%s: got %S" file found) typetools-failures))))

(setq eglot-sync-connect t)
;; eglot puts the diagnostic's source in front of its message.
(typetools-check "broken.spec" 'vastor-mode
                 '((4 . "Vastor: Definition of int.boolean equalsTo (Type)")
                   (6 . "Vastor: Semantic error( line 6 ):method int f () have alreadey been overriden in class int")))
(typetools-check "broken.yt" 'perlan-mode '((2 . "Perlan: Syntax error( line 2 ):2st section was expected")))
(ignore-errors (eglot-shutdown-all))
(if typetools-failures
    (progn (message "%s" (mapconcat #'identity (reverse typetools-failures) "\n"))
           (kill-emacs 1))
  (message "eglot: the diagnostics came at their lines")
  (kill-emacs 0))

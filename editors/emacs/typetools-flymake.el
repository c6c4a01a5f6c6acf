;;; typetools-flymake.el --- Flymake backends for Vastor and Perlan files  -*- lexical-binding: t -*-

;; Installed by: typetools

;;; Commentary:

;; With `flymake-mode' on, a type specification is checked by Vastor and a
;; grammar by Perlan as it is edited: the buffer is written to a fresh
;; folder, the tool runs there (its Type.java or rewritten grammar stays
;; there and goes with it) and its message becomes a diagnostic at the
;; line it names.  The tools stop at the first error, so there is at most
;; one.  The modes add these backends to `flymake-diagnostic-functions'.

;;; Code:

(require 'flymake)

(defconst typetools-flymake-message-regexp
  (concat "^\\(?:\\(?:Scanner\\|Syntax\\|Semantic\\) error( line \\([0-9]+\\) ):"
          "\\|Internal error (file [^,\n]*, line \\([0-9]+\\)) \\)")
  "A message of Vastor or Perlan that names a line of its input.")

(defvar-local typetools-flymake--process nil
  "The check running for this buffer.")

(defun typetools-flymake--diagnostics (source output)
  "The diagnostics in SOURCE of the messages in the buffer OUTPUT."
  (with-current-buffer output
    (goto-char (point-min))
    (let ((last-line (with-current-buffer source
                       (save-restriction (widen) (line-number-at-pos (point-max)))))
          diagnostics)
      (while (re-search-forward typetools-flymake-message-regexp nil t)
        (let* ((line (min last-line (string-to-number (or (match-string 1) (match-string 2)))))
               (region (flymake-diag-region source line)))
          (push (flymake-make-diagnostic source (car region) (cdr region) :error
                                         (buffer-substring (line-beginning-position)
                                                           (line-end-position)))
                diagnostics)))
      diagnostics)))

(defun typetools-flymake--check (program input arguments report-fn)
  "Run PROGRAM with ARGUMENTS on the buffer, written as INPUT; report to REPORT-FN."
  (unless (executable-find program)
    (error "%s is not on PATH" program))
  (when (process-live-p typetools-flymake--process)
    (kill-process typetools-flymake--process))
  (let* ((source (current-buffer))
         (default-directory (file-name-as-directory (make-temp-file "typetools-flymake" t)))
         (directory default-directory))
    (save-restriction
      (widen)
      (write-region nil nil input nil 'silent))
    (setq typetools-flymake--process
          (make-process
           :name "typetools-flymake" :noquery t :connection-type 'pipe
           :buffer (generate-new-buffer " *typetools-flymake*")
           ;; The tools write their messages in Latin-1.
           :coding 'latin-1
           :command (cons program arguments)
           :sentinel
           (lambda (process _event)
             (unless (process-live-p process)
               (unwind-protect
                   (when (and (buffer-live-p source)
                              (eq process (buffer-local-value 'typetools-flymake--process source)))
                     (funcall report-fn (typetools-flymake--diagnostics
                                         source (process-buffer process))))
                 (kill-buffer (process-buffer process))
                 (delete-directory directory t))))))))

;;;###autoload
(defun typetools-flymake-vastor (report-fn &rest _args)
  "Flymake backend: Vastor checks the type specification of the buffer.
REPORT-FN receives the diagnostics."
  (typetools-flymake--check "Vastor" "input.spec" '("input.spec") report-fn))

;;;###autoload
(defun typetools-flymake-perlan (report-fn &rest _args)
  "Flymake backend: Perlan checks the grammar of the buffer.
REPORT-FN receives the diagnostics."
  (typetools-flymake--check "Perlan" "input.yt" '("input.yt" "input.y") report-fn))

(provide 'typetools-flymake)

;;; typetools-flymake.el ends here
